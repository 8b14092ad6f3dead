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

    platform::ColorRef ColorActive() const { return m_colorActive; }
    void setColorActive(const platform::ColorRef &value);
    platform::ColorRef ColorInactive() const { return m_colorInactive; }
    void setColorInactive(const platform::ColorRef &value);
    // Setting a font makes the part fkCustom, unless it is fkAutoHeight: then
    // the new font is fitted to the caption font's height.
    const QFont &Font() const { return m_font; }
    void setFont(const QFont &value);
    TFontKind FontKind() const { return m_fontKind; }
    void setFontKind(TFontKind value);
    bool Visible() const { return m_visible; }
    void setVisible(bool value);

    // Derives Font from the bar's CaptionFont again, as FontKind says.
    void applyFontKind();

protected:
    CaptionPartHost *m_captionBar;
    QString m_caption;

private:
    platform::ColorRef m_colorActive = platform::SystemColor::CaptionText;
    platform::ColorRef m_colorInactive = platform::SystemColor::InactiveCaptionText;
    QFont m_font;
    TFontKind m_fontKind = fkSystem;
    bool m_visible = true;
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
    QString storedCaption() const { return m_caption; }
};
