// Checks the generated alert sounds are playable WAVs that are audibly distinct.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char* const kNames[] = {"checkmsgs.wav", "Alert.wav", "Keytry.wav", "Keyhaw.wav"};

struct Wav {
    unsigned format = 0, channels = 0, bits = 0, blockAlign = 0;
    std::uint32_t rate = 0, byteRate = 0;
    std::vector<int> samples;
};

std::vector<unsigned char> readFile(const std::string& name) {
    std::ifstream in(std::string(KELVON_BUILD_SOUNDS_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

bool tagAt(const std::vector<unsigned char>& b, std::size_t at, const char* tag) {
    return std::equal(tag, tag + 4, b.begin() + static_cast<std::ptrdiff_t>(at));
}

// Returns an empty string on success, otherwise what is wrong with the file.
std::string parse(const std::vector<unsigned char>& b, Wav& wav) {
    if (b.size() < 12 || !tagAt(b, 0, "RIFF") || !tagAt(b, 8, "WAVE"))
        return "not a RIFF/WAVE file";
    if (le(b, 4, 4) != b.size() - 8) return "RIFF size does not match file size";
    bool haveFmt = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::uint32_t size = le(b, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) return "chunk runs past end of file";
        if (tagAt(b, at, "fmt ") && size >= 16) {
            wav.format = le(b, body, 2);
            wav.channels = le(b, body + 2, 2);
            wav.rate = le(b, body + 4, 4);
            wav.byteRate = le(b, body + 8, 4);
            wav.blockAlign = le(b, body + 12, 2);
            wav.bits = le(b, body + 14, 2);
            haveFmt = true;
        } else if (tagAt(b, at, "data")) {
            if (!haveFmt) return "data chunk before fmt chunk";
            if (body + size + (size & 1) != b.size())
                return "data chunk size does not match file size";
            for (std::size_t i = body; i + 1 < body + size; i += 2)
                wav.samples.push_back(static_cast<std::int16_t>(le(b, i, 2)));
            return "";
        }
        at = body + size + (size & 1);
    }
    return "no data chunk";
}

int peakOf(const std::vector<int>& s) {
    int peak = 0;
    for (int v : s)
        peak = std::max(peak, std::abs(v));
    return peak;
}

TEST(SoundsTest, FilesArePlayableMonoPcmAtSaneLevels) {
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        const auto bytes = readFile(name);
        ASSERT_FALSE(bytes.empty()) << "missing or empty";
        Wav wav;
        ASSERT_EQ(parse(bytes, wav), "");
        EXPECT_EQ(wav.format, 1u);
        EXPECT_EQ(wav.channels, 1u);
        EXPECT_EQ(wav.bits, 16u);
        EXPECT_EQ(wav.blockAlign, 2u);
        ASSERT_GE(wav.rate, 8000u);
        ASSERT_LE(wav.rate, 96000u);
        EXPECT_EQ(wav.byteRate, wav.rate * 2);

        const double seconds = static_cast<double>(wav.samples.size()) / wav.rate;
        EXPECT_GT(seconds, 0.2);
        EXPECT_LT(seconds, 2.0);

        const double peakDb = 20.0 * std::log10(std::max(peakOf(wav.samples), 1) / 32768.0);
        EXPECT_GT(peakDb, -6.0);
        EXPECT_LT(peakDb, -0.5);

        // A sample far from zero at either edge would be heard as a click.
        ASSERT_FALSE(wav.samples.empty());
        EXPECT_LT(std::abs(wav.samples.front()), 330);
        EXPECT_LT(std::abs(wav.samples.back()), 330);
    }
}

// Duration, zero-crossing rate (a rough pitch) and crest factor tell the sounds apart
// even if one were merely a louder copy of another.
struct Fingerprint {
    double values[3];
};

Fingerprint fingerprintOf(const Wav& wav) {
    long crossings = 0;
    double energy = 0.0;
    for (std::size_t i = 0; i < wav.samples.size(); ++i) {
        energy += static_cast<double>(wav.samples[i]) * wav.samples[i];
        if (i > 0 && (wav.samples[i - 1] < 0) != (wav.samples[i] < 0)) ++crossings;
    }
    const double n = static_cast<double>(wav.samples.size());
    return {{n / wav.rate, crossings * wav.rate / n, peakOf(wav.samples) / std::sqrt(energy / n)}};
}

TEST(SoundsTest, SoundsAreDistinct) {
    std::vector<Wav> wavs(std::size(kNames));
    for (std::size_t i = 0; i < wavs.size(); ++i)
        ASSERT_EQ(parse(readFile(kNames[i]), wavs[i]), "") << kNames[i];

    for (std::size_t i = 0; i < wavs.size(); ++i) {
        for (std::size_t j = i + 1; j < wavs.size(); ++j) {
            SCOPED_TRACE(std::string(kNames[i]) + " vs " + kNames[j]);
            EXPECT_NE(wavs[i].samples, wavs[j].samples);
            const Fingerprint a = fingerprintOf(wavs[i]), b = fingerprintOf(wavs[j]);
            double largest = 0.0;
            for (int k = 0; k < 3; ++k)
                largest = std::max(largest, std::abs(a.values[k] - b.values[k]) /
                                                std::max(a.values[k], b.values[k]));
            EXPECT_GT(largest, 0.1) << "fingerprints differ by under 10%";
        }
    }
}

} // namespace
