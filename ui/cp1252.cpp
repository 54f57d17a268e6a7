// Conversions between the core's cp1252 texts and Qt's strings.
#include "ui/cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace escartinol {

QString FromCp1252(std::string_view text) {
    QStringDecoder decoder("windows-1252");
    return decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string ToCp1252(const QString& text) {
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace escartinol
