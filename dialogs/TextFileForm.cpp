#include "dialogs/TextFileForm.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <stdexcept>

namespace {

std::runtime_error fileError(const char *what, const QString &path, const QString &reason)
{
    return std::runtime_error(QStringLiteral("%1 \"%2\". %3")
                                  .arg(QString::fromLatin1(what), path, reason)
                                  .toStdString());
}

}  // namespace

bool isRtf(const QByteArray &bytes)
{
    return bytes.startsWith("{\\rtf");
}

TextFileForm detectTextForm(const QByteArray &bytes)
{
    TextFileForm form;
    if (isRtf(bytes)) {
        form.kind = TextFileForm::Kind::Rtf;
        form.encoding = QStringConverter::Latin1;
    } else if (const auto bom = QStringConverter::encodingForData(bytes)) {
        form.encoding = *bom;
        form.byteOrderMark = true;
    } else {
        QStringDecoder utf8(QStringConverter::Utf8);
        (void)QString(utf8(bytes));
        form.encoding = utf8.hasError() ? QStringConverter::Latin1 : QStringConverter::Utf8;
    }
    // The first line break, in the file's own encoding.
    const QString text = QStringDecoder(form.encoding)(bytes);
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    form.crlf = newline > 0 && text[newline - 1] == QLatin1Char('\r');
    return form;
}

QString decodeText(const QByteArray &bytes, const TextFileForm &form)
{
    // The decoder drops a byte-order mark.
    QString text = QStringDecoder(form.encoding)(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QByteArray encodeText(const QString &text, TextFileForm &form)
{
    QString out = text;
    if (form.crlf)
        out.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (form.encoding == QStringConverter::Latin1) {
        for (QChar c : out)
            if (c.unicode() > 0xFF) {
                form.encoding = QStringConverter::Utf8;
                break;
            }
    }
    QStringEncoder encoder(form.encoding, form.byteOrderMark ? QStringConverter::Flag::WriteBom
                                                             : QStringConverter::Flag::Default);
    return encoder(out);
}

LoadedText loadTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw fileError("Cannot open file", path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw fileError("Cannot read file", path, file.errorString());
    LoadedText loaded;
    loaded.form = detectTextForm(bytes);
    loaded.text = decodeText(bytes, loaded.form);
    return loaded;
}

void saveTextFile(const QString &path, const QString &text, TextFileForm &form)
{
    const QByteArray bytes = encodeText(text, form);
    const QFileInfo existing(path);
    const bool existed = existing.exists();
    const QFileDevice::Permissions permissions = existed ? existing.permissions() : QFileDevice::Permissions();
    // Written beside the file and renamed over it, so a failed save leaves the
    // old content whole.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        throw fileError("Cannot create file", path, file.errorString());
    file.write(bytes);
    if (!file.commit())
        throw fileError("Cannot write file", path, file.errorString());
    if (existed)
        QFile::setPermissions(path, permissions);
}
