// A wave cue followed by silence, so a player that drops the end of what it was given drops only silence.
#pragma once

#include <QByteArray>

#include <optional>

namespace common::qt {

// The RIFF wave with the given milliseconds of silence added to the end of its PCM data; nothing
// when the bytes are not an uncompressed PCM wave that can be read whole.
std::optional<QByteArray> PadWithSilence(const QByteArray& wave, int milliseconds);

}  // namespace common::qt
