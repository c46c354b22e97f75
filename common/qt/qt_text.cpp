// Qt strings from the games' 8-bit text and UTF-8, through the one portable decoding of the 8-bit text.
#include "common/qt/qt_text.h"

#include <QByteArray>

#include "common/game_text.h"

namespace common::qt {

QString FromGameText(std::string_view text) { return FromUtf8(Utf8FromGameText(text)); }

std::string ToGameText(const QString& text) { return GameTextFromUtf8(ToUtf8(text)); }

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace common::qt
