#include "controls/CaptionParts.h"

#include <QWidget>

TCompanyText::TCompanyText(CaptionPartHost *captionBar)
    : m_captionBar(captionBar), m_font(captionBar->CaptionFont())
{
}

TCompanyText::~TCompanyText() = default;

QString TCompanyText::Caption() const
{
    return m_caption;
}

void TCompanyText::setCaption(const QString &value)
{
    m_caption = value;
    m_captionBar->partChanged();
}

void TCompanyText::setColorActive(const platform::ColorRef &value)
{
    m_colorActive = value;
    m_captionBar->partChanged();
}

void TCompanyText::setColorInactive(const platform::ColorRef &value)
{
    m_colorInactive = value;
    m_captionBar->partChanged();
}

void TCompanyText::setFont(const QFont &value)
{
    if (m_fontKind == fkAutoHeight) {
        m_font = m_captionBar->fitToCaptionHeight(value);
    } else {
        m_font = value;
        m_fontKind = fkCustom;
    }
    m_captionBar->partChanged();
}

void TCompanyText::setFontKind(TFontKind value)
{
    m_fontKind = value;
    applyFontKind();
    m_captionBar->partChanged();
}

void TCompanyText::setVisible(bool value)
{
    m_visible = value;
    m_captionBar->partChanged();
}

void TCompanyText::applyFontKind()
{
    QFont font = m_captionBar->CaptionFont();
    switch (m_fontKind) {
    case fkCustom:
        return;
    case fkSystem:
        break;
    case fkSystemI:
        font.setItalic(true);
        break;
    case fkSystemB:
        font.setBold(true);
        break;
    case fkSystemBI:
        font.setBold(true);
        font.setItalic(true);
        break;
    case fkAutoHeight:
        font = m_captionBar->fitToCaptionHeight(m_font);
        break;
    }
    m_font = font;
}

QString TCaptionText::Caption() const
{
    const QWidget *owner = m_captionBar->OwnerForm();
    if (!owner)
        return {};
    const QVariant drawn = owner->property(FormCaptionProperty);
    return drawn.isValid() ? drawn.toString() : owner->windowTitle();
}

void TCaptionText::setCaption(const QString &value)
{
    if (QWidget *owner = m_captionBar->OwnerForm()) {
        if (owner->property(FormCaptionProperty).isValid())
            owner->setProperty(FormCaptionProperty, value);
        else
            owner->setWindowTitle(value);
    }
    TCompanyText::setCaption(value);
}

void TCaptionText::refresh()
{
    m_caption = Caption();
}
