// The bell sound the program carries: there, playable PCM, about a second long.
#include "platform/qt/SoundBell.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

TEST(SoundBell, CarriesAOneSecondPcmBellAndRingsWithoutAnAudioDevice) {
  QFile wav(QStringLiteral(":/sounds/bell.wav"));
  ASSERT_TRUE(wav.open(QIODevice::ReadOnly)) << "the resource is linked into the program";
  const QByteArray bytes = wav.readAll();
  ASSERT_GE(bytes.size(), 44);
  EXPECT_EQ(bytes.mid(0, 4), "RIFF");
  EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
  const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
  const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
  EXPECT_EQ(u16(20), 1) << "PCM";
  const double seconds = double(u32(40)) / u32(28);  // data bytes / bytes per second
  EXPECT_NEAR(seconds, 1.0, 0.05);

  platform::SoundBell bell;
  bell.ring();
  bell.ring();  // a second ring while the first may still sound
}

}  // namespace
