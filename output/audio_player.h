#pragma once

#include "synth/note_sequence.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QAudioSink;

namespace guivarna::output {

// Plays plucked notes on an audio output. The output is looked up and opened only when something
// is played, so a machine without sound (a build server, a virtual display) never notices the
// player until it is asked to play. Playing again stops what is still sounding.
class AudioPlayer : public QObject {
    Q_OBJECT

public:
    enum class Outcome {
        Playing,
        NoDevice,  // there is no audio output to play on
        Failed,  // the output would not open or play the format
    };

    // Where the output comes from; by default the system's default audio output. A null device
    // means there is none.
    using DeviceSource = std::function<QAudioDevice()>;

    explicit AudioPlayer(QObject* parent = nullptr);
    ~AudioPlayer() override;

    void SetDeviceSource(DeviceSource source) { deviceSource_ = std::move(source); }

    // Renders the notes, each ringing for noteSeconds, and starts playing them.
    Outcome Play(const std::vector<synth::NoteEvent>& events, double noteSeconds);
    void Stop();
    bool IsPlaying() const { return sink_ != nullptr; }

    // The samples laid out as the format asks: every channel carries the same signal. Formats
    // without a sample type Guivarna writes give nothing.
    static QByteArray Encode(const std::vector<float>& samples, const QAudioFormat& format);

private:
    // The device's preferred format when it is one Encode writes, else mono 16-bit at its rate.
    static QAudioFormat ChooseFormat(const QAudioDevice& device);

    DeviceSource deviceSource_;
    // The sink reads from the buffer, so it is declared after it and goes first.
    QByteArray pcm_;
    QBuffer buffer_;
    std::unique_ptr<QAudioSink> sink_;
    // Numbers the plays, so a late notice of a finished one cannot stop a newer one.
    std::uint64_t playCount_ = 0;
};

}  // namespace guivarna::output
