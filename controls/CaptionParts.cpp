#include "controls/CaptionParts.h"

#include <QWidget>

TCompanyText::TCompanyText(CaptionPartHost *captionBar) : captionBar_(captionBar), font_(captionBar->CaptionFont()) {}

TCompanyText::~TCompanyText() = default;

QString TCompanyText::Caption() const
{
    return caption_;
}

void TCompanyText::setCaption(const QString &value)
{
    caption_ = value;
    captionBar_->partChanged();
}

void TCompanyText::setColorActive(const platform::ColorRef &value)
{
    colorActive_ = value;
    captionBar_->partChanged();
}

void TCompanyText::setColorInactive(const platform::ColorRef &value)
{
    colorInactive_ = value;
    captionBar_->partChanged();
}

void TCompanyText::setFont(const QFont &value)
{
    if (fontKind_ == fkAutoHeight) {
        font_ = captionBar_->fitToCaptionHeight(value);
    } else {
        font_ = value;
        fontKind_ = fkCustom;
    }
    captionBar_->partChanged();
}

void TCompanyText::setFontKind(TFontKind value)
{
    fontKind_ = value;
    applyFontKind();
    captionBar_->partChanged();
}

void TCompanyText::setVisible(bool value)
{
    visible_ = value;
    captionBar_->partChanged();
}

void TCompanyText::applyFontKind()
{
    QFont font = captionBar_->CaptionFont();
    switch (fontKind_) {
    case fkCustom: return;
    case fkSystem: break;
    case fkSystemI: font.setItalic(true); break;
    case fkSystemB: font.setBold(true); break;
    case fkSystemBI:
        font.setBold(true);
        font.setItalic(true);
        break;
    case fkAutoHeight: font = captionBar_->fitToCaptionHeight(font_); break;
    }
    font_ = font;
}

QString TCaptionText::Caption() const
{
    const QWidget *owner = captionBar_->OwnerForm();
    if (!owner)
        return {};
    const QVariant drawn = owner->property(FormCaptionProperty);
    return drawn.isValid() ? drawn.toString() : owner->windowTitle();
}

void TCaptionText::setCaption(const QString &value)
{
    if (QWidget *owner = captionBar_->OwnerForm()) {
        if (owner->property(FormCaptionProperty).isValid())
            owner->setProperty(FormCaptionProperty, value);
        else
            owner->setWindowTitle(value);
    }
    TCompanyText::setCaption(value);
}

void TCaptionText::refresh()
{
    caption_ = Caption();
}
