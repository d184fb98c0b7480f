#include "output/audio_player.h"

#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace guivarna::output {

namespace {

template <typename Sample> void Append(QByteArray& bytes, Sample value, int channels)
{
    for (int c = 0; c < channels; ++c)
        bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

AudioPlayer::AudioPlayer(QObject* parent)
    : QObject(parent), deviceSource_([] { return QMediaDevices::defaultAudioOutput(); })
{
}

AudioPlayer::~AudioPlayer()
{
    Stop();
}

QAudioFormat AudioPlayer::ChooseFormat(const QAudioDevice& device)
{
    QAudioFormat format = device.preferredFormat();
    if (format.sampleRate() <= 0)
        format.setSampleRate(synth::kDefaultSampleRate);
    if (format.channelCount() <= 0)
        format.setChannelCount(1);
    if (Encode({0.0f}, format).isEmpty())
        format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

QByteArray AudioPlayer::Encode(const std::vector<float>& samples, const QAudioFormat& format)
{
    const int channels = format.channelCount();
    QByteArray bytes;
    if (channels <= 0)
        return bytes;
    bytes.reserve(static_cast<qsizetype>(samples.size()) * format.bytesPerFrame());
    for (const float raw : samples) {
        const float sample = std::clamp(raw, -1.0f, 1.0f);
        switch (format.sampleFormat()) {
        case QAudioFormat::UInt8:
            Append(
                bytes, static_cast<std::uint8_t>(std::lround(128.0f + sample * 127.0f)), channels);
            break;
        case QAudioFormat::Int16:
            Append(bytes, static_cast<std::int16_t>(std::lround(sample * 32767.0f)), channels);
            break;
        case QAudioFormat::Int32:
            Append(bytes, static_cast<std::int32_t>(std::lround(double(sample) * 2147483647.0)),
                channels);
            break;
        case QAudioFormat::Float:
            Append(bytes, sample, channels);
            break;
        default:
            return {};
        }
    }
    return bytes;
}

AudioPlayer::Outcome AudioPlayer::Play(
    const std::vector<synth::NoteEvent>& events, double noteSeconds)
{
    Stop();
    const QAudioDevice device = deviceSource_ ? deviceSource_() : QAudioDevice();
    if (device.isNull())
        return Outcome::NoDevice;

    const QAudioFormat format = ChooseFormat(device);
    pcm_ = Encode(synth::Render(events, format.sampleRate(), noteSeconds), format);
    if (pcm_.isEmpty())
        return Outcome::Failed;
    buffer_.setData(pcm_);
    if (!buffer_.open(QIODevice::ReadOnly))
        return Outcome::Failed;

    sink_ = std::make_unique<QAudioSink>(device, format);
    QAudioSink* sink = sink_.get();
    const std::uint64_t play = ++playCount_;
    connect(sink, &QAudioSink::stateChanged, this, [this, play](QAudio::State state) {
        // Idle: everything was played; stopped by itself: the output went away or failed.
        // Stopping from inside the sink's own signal is not safe, so the clean-up waits for the
        // event loop, and then only if no newer play has started meanwhile.
        if (state != QAudio::IdleState && state != QAudio::StoppedState)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, play] {
                if (play == playCount_)
                    Stop();
            },
            Qt::QueuedConnection);
    });
    sink->start(&buffer_);
    if (sink->error() != QAudio::NoError && sink->error() != QAudio::UnderrunError) {
        Stop();
        return Outcome::Failed;
    }
    return Outcome::Playing;
}

void AudioPlayer::Stop()
{
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
        sink_.reset();
    }
    buffer_.close();
}

}  // namespace guivarna::output
