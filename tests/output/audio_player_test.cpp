#include "output/audio_player.h"

#include <QAudioFormat>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace guivarna::output {
namespace {

template <typename Sample> std::vector<Sample> Decode(const QByteArray& bytes)
{
    std::vector<Sample> samples(std::size_t(bytes.size()) / sizeof(Sample));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(Sample));
    return samples;
}

QAudioFormat Format(QAudioFormat::SampleFormat sampleFormat, int channels)
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(channels);
    format.setSampleFormat(sampleFormat);
    return format;
}

// Out-of-range samples are held at full scale instead of wrapping round to the other sign.
const std::vector<float> kSamples = {-1.0f, 0.0f, 0.5f, 1.0f, 1.5f, -3.0f};

TEST(AudioPlayerEncode, WritesEverySampleFormatAtFullScaleWithoutWrapping)
{
    EXPECT_EQ(Decode<std::int16_t>(AudioPlayer::Encode(kSamples, Format(QAudioFormat::Int16, 1))),
        (std::vector<std::int16_t>{-32767, 0, 16384, 32767, 32767, -32767}));
    EXPECT_EQ(Decode<std::uint8_t>(AudioPlayer::Encode(kSamples, Format(QAudioFormat::UInt8, 1))),
        (std::vector<std::uint8_t>{1, 128, 192, 255, 255, 1}));
    EXPECT_EQ(Decode<std::int32_t>(AudioPlayer::Encode(kSamples, Format(QAudioFormat::Int32, 1))),
        (std::vector<std::int32_t>{
            -2147483647, 0, 1073741824, 2147483647, 2147483647, -2147483647}));
    EXPECT_EQ(Decode<float>(AudioPlayer::Encode(kSamples, Format(QAudioFormat::Float, 1))),
        (std::vector<float>{-1.0f, 0.0f, 0.5f, 1.0f, 1.0f, -1.0f}));
}

TEST(AudioPlayerEncode, EveryChannelCarriesTheSameSignal)
{
    const QByteArray stereo = AudioPlayer::Encode({0.25f, -0.5f}, Format(QAudioFormat::Int16, 2));
    EXPECT_EQ(
        Decode<std::int16_t>(stereo), (std::vector<std::int16_t>{8192, 8192, -16384, -16384}));
    const QAudioFormat surround = Format(QAudioFormat::Float, 6);
    EXPECT_EQ(AudioPlayer::Encode(kSamples, surround).size(),
        qsizetype(kSamples.size()) * surround.bytesPerFrame());
}

TEST(AudioPlayerEncode, FormatsItCannotWriteGiveNothing)
{
    EXPECT_TRUE(AudioPlayer::Encode(kSamples, Format(QAudioFormat::Unknown, 1)).isEmpty());
    EXPECT_TRUE(AudioPlayer::Encode(kSamples, Format(QAudioFormat::Int16, 0)).isEmpty());
}

}  // namespace
}  // namespace guivarna::output
