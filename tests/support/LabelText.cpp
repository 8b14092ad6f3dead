#include "support/LabelText.h"

#include <QLabel>
#include <QTextDocument>

namespace ziptest {

QString shownText(const QLabel &label)
{
    QString text = label.text();
    const Qt::TextFormat format = label.textFormat();
    if (format == Qt::MarkdownText || format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        if (format == Qt::MarkdownText)
            document.setMarkdown(text);
        else
            document.setHtml(text);
        text = document.toPlainText();
    }
    if (!label.buddy())
        return text;
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;  // "&&" shows one '&'
        shown += text[i];
    }
    return shown;
}

QStringList shownTexts(const QWidget &widget)
{
    QStringList texts;
    for (const QLabel *label : widget.findChildren<QLabel *>())
        texts << shownText(*label);
    return texts;
}

}  // namespace ziptest
