#pragma once
// The three text parts of the caption bar (controls/GradCaption.h): a
// company text, an application name and the window's own title, each with
// its own font and colours.

#include "controls/CaptionLogic.h"
#include "platform/Palette.h"

#include <QFont>
#include <QString>

class QWidget;

// What a text part needs of the bar it belongs to (TGradientCaption).
class CaptionPartHost {
public:
    virtual QWidget *OwnerForm() const = 0;
    virtual const QFont &CaptionFont() const = 0;
    virtual QFont fitToCaptionHeight(const QFont &font) const = 0;
    // A part changed what the bar shows.
    virtual void partChanged() = 0;

protected:
    ~CaptionPartHost() = default;
};

// One text part of the bar. Reading and setting Caption go through virtual
// operations, so that the caption part can stand for the window's title.
class TCompanyText {
public:
    explicit TCompanyText(CaptionPartHost *captionBar);
    virtual ~TCompanyText();
    TCompanyText(const TCompanyText &) = delete;
    TCompanyText &operator=(const TCompanyText &) = delete;

    virtual QString Caption() const;
    virtual void setCaption(const QString &value);

    platform::ColorRef ColorActive() const { return colorActive_; }
    void setColorActive(const platform::ColorRef &value);
    platform::ColorRef ColorInactive() const { return colorInactive_; }
    void setColorInactive(const platform::ColorRef &value);
    // Setting a font makes the part fkCustom, unless it is fkAutoHeight: then
    // the new font is fitted to the caption font's height.
    const QFont &Font() const { return font_; }
    void setFont(const QFont &value);
    TFontKind FontKind() const { return fontKind_; }
    void setFontKind(TFontKind value);
    bool Visible() const { return visible_; }
    void setVisible(bool value);

    // Derives Font from the bar's CaptionFont again, as FontKind says.
    void applyFontKind();

protected:
    CaptionPartHost *captionBar_;
    QString caption_;

private:
    platform::ColorRef colorActive_ = platform::SystemColor::CaptionText;
    platform::ColorRef colorInactive_ = platform::SystemColor::InactiveCaptionText;
    QFont font_;
    TFontKind fontKind_ = fkSystem;
    bool visible_ = true;
};

class TAppNameText : public TCompanyText {
public:
    using TCompanyText::TCompanyText;
};

// The window's own title: reading gives the owner window's title, setting
// sets it (and keeps the value).
// A window whose title for task bars differs from the caption its bar draws
// keeps the drawn caption in this property; without it the title is drawn.
inline constexpr const char *FormCaptionProperty = "formCaption";

class TCaptionText : public TCompanyText {
public:
    using TCompanyText::TCompanyText;
    QString Caption() const override;
    void setCaption(const QString &value) override;
    // Takes the owner window's current title into the stored value.
    void refresh();
    QString storedCaption() const { return caption_; }
};
