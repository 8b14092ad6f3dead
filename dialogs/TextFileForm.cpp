#include "dialogs/TextFileForm.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>
#include <stdexcept>

namespace {

std::runtime_error fileError(const QString &message)
{
    return std::runtime_error(message.toStdString());
}

}  // namespace

bool isRtf(const QByteArray &bytes)
{
    return bytes.startsWith("{\\rtf");
}

std::optional<TextFileForm> detectTextForm(const QByteArray &bytes)
{
    const std::optional<TextEncoding> encoding = TextEncoding::detect(bytes);
    if (!encoding)
        return std::nullopt;
    TextFileForm form;
    form.encoding = *encoding;
    if (isRtf(bytes)) {
        form.kind = TextFileForm::Kind::Rtf;
        form.encoding = TextEncoding::windows1252();
    }
    // The first line break, in the file's own encoding.
    const QString text = form.encoding.decode(bytes);
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    form.crlf = newline > 0 && text[newline - 1] == QLatin1Char('\r');
    return form;
}

QString decodeText(const QByteArray &bytes, const TextFileForm &form)
{
    QString text = form.encoding.decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QByteArray encodeText(const QString &text, const TextFileForm &form)
{
    QString out = text;
    if (form.crlf)
        out.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return form.encoding.encode(out);
}

LoadedText loadTextFile(const QString &path)
{
    QFile file(path);
    //: %1 is a file's path, %2 the system's reason.
    const char *const cannotOpen = QT_TRANSLATE_NOOP("TextFileForm", "Cannot open file \"%1\". %2");
    if (!file.open(QIODevice::ReadOnly))
        throw fileError(QCoreApplication::translate("TextFileForm", cannotOpen).arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        //: %1 is a file's path, %2 the system's reason.
        throw fileError(
            QCoreApplication::translate("TextFileForm", "Cannot read file \"%1\". %2").arg(path, file.errorString()));
    const std::optional<TextFileForm> form = detectTextForm(bytes);
    if (!form)
        throw fileError(QCoreApplication::translate("TextFileForm", cannotOpen)
                            .arg(path, QCoreApplication::translate("TextFileForm", "It is not a text file")));
    LoadedText loaded;
    loaded.form = *form;
    loaded.text = decodeText(bytes, loaded.form);
    return loaded;
}

void saveTextFile(const QString &path, const QString &text, const TextFileForm &form)
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
        //: %1 is a file's path, %2 the system's reason.
        throw fileError(
            QCoreApplication::translate("TextFileForm", "Cannot create file \"%1\". %2").arg(path, file.errorString()));
    file.write(bytes);
    if (!file.commit())
        //: %1 is a file's path, %2 the system's reason.
        throw fileError(
            QCoreApplication::translate("TextFileForm", "Cannot write file \"%1\". %2").arg(path, file.errorString()));
    if (existed)
        QFile::setPermissions(path, permissions);
}
