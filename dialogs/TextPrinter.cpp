#include "dialogs/TextPrinter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <stdexcept>

QStringList printedLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    return lines;
}

int printLines(QPrinter &printer, const QStringList &lines, const QFont &font)
{
    QPainter painter;
    if (!painter.begin(&printer))
        //: %1 is the printer's name.
        throw std::runtime_error(QCoreApplication::translate("TextPrinter", "Cannot start printing on %1")
                                     .arg(printer.printerName())
                                     .toStdString());
    painter.setPen(Qt::black);
    const qreal width = printer.width();
    const qreal height = printer.height();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    int pages = 1;
    qreal y = 0;
    for (const QString &text : lines) {
        QTextLayout layout(text, font, &printer);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            if (y > 0 && y + line.height() > height) {
                printer.newPage();
                ++pages;
                y = 0;
            }
            line.draw(&painter, QPointF(0, y - line.y()));
            y += line.height();
        }
    }
    painter.end();
    return pages;
}
