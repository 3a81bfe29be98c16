// makeclips.cpp: varn-make-clips, the synthesiser of the game's three sound clips.
// Usage: varn-make-clips DIRECTORY   writes varn1.wav, varn2.wav and varn3.wav there.
// The clips are 16-bit mono PCM; each has the length, chunk layout and file size the game's
// players were designed around, and the program fails rather than write one that differs.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr double kTau = 2.0 * std::numbers::pi;

// A fixed noise source, so that every run writes the same bytes.
class Noise {
  public:
    double next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<double>(m_state) / 2147483648.0 - 1.0;
    }

  private:
    std::uint32_t m_state = 0x9E3779B9u;
};

void put16(Bytes& bytes, unsigned value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

void put32(Bytes& bytes, std::uint32_t value) {
    put16(bytes, value & 0xFFFF);
    put16(bytes, value >> 16);
}

void putChunk(Bytes& out, const char* tag, const Bytes& body) {
    out.insert(out.end(), tag, tag + 4);
    put32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 == 1) out.push_back(0);
}

Bytes formatBody(int rate, bool withExtraSize) {
    Bytes body;
    put16(body, 1);  // PCM
    put16(body, 1);  // mono
    put32(body, static_cast<std::uint32_t>(rate));
    put32(body, static_cast<std::uint32_t>(rate * 2));
    put16(body, 2);
    put16(body, 16);
    if (withExtraSize) put16(body, 0);
    return body;
}

// An INFO list whose last text is padded with zero bytes to make the chunk `totalSize` long.
Bytes infoList(std::vector<std::pair<const char*, std::string>> texts, std::size_t totalSize) {
    Bytes body{'I', 'N', 'F', 'O'};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::string text = texts[i].second + '\0';
        if (text.size() % 2 == 1) text += '\0';
        if (i + 1 == texts.size()) text.resize(totalSize - 8 - body.size() - 8, '\0');
        putChunk(body, texts[i].first, Bytes(text.begin(), text.end()));
    }
    return body;
}

// Scales the signal to a peak a little below full scale and rounds it to 16-bit samples.
Bytes pcm(const std::vector<double>& signal) {
    double peak = 1e-9;
    for (const double value : signal)
        peak = std::max(peak, std::abs(value));
    Bytes bytes;
    for (const double value : signal) {
        const long sample = std::lround(std::clamp(value / peak * 0.72, -1.0, 1.0) * 32767.0);
        put16(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)));
    }
    return bytes;
}

// Soft edges at both ends keep the clip from starting or stopping with a click.
void fadeEdges(std::vector<double>& signal, int rate, double inSeconds, double outSeconds) {
    const auto in = static_cast<std::size_t>(inSeconds * rate);
    const auto out = static_cast<std::size_t>(outSeconds * rate);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        double gain = 1.0;
        if (i < in) gain = static_cast<double>(i) / in;
        const std::size_t left = signal.size() - 1 - i;
        if (left < out) gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * left / out);
        signal[i] *= gain;
    }
}

// A short bright chime for a removed group: three quick bell notes rising by a fifth and a fourth.
std::vector<double> groupChime(int rate, int frames) {
    struct Note {
        double start, frequency, gain;
    };
    struct Partial {
        double ratio, gain, decay;
    };
    const Note notes[] = {{0.0, 1318.51, 1.0}, {0.05, 1975.53, 0.8}, {0.1, 2637.02, 0.5}};
    const Partial partials[] = {
        {1.0, 1.0, 14.0}, {2.0, 0.3, 22.0}, {3.01, 0.12, 30.0}, {4.2, 0.05, 45.0}};
    std::vector<double> signal(static_cast<std::size_t>(frames), 0.0);
    for (const Note& note : notes) {
        for (const Partial& partial : partials) {
            const double frequency = note.frequency * partial.ratio;
            if (frequency > 0.45 * rate) continue;
            for (int i = static_cast<int>(note.start * rate); i < frames; ++i) {
                const double t = static_cast<double>(i) / rate - note.start;
                const double envelope = std::min(1.0, t / 0.002) * std::exp(-t * partial.decay);
                signal[i] += note.gain * partial.gain * envelope * std::sin(kTau * frequency * t);
            }
        }
    }
    fadeEdges(signal, rate, 0.0, 0.015);
    return signal;
}

// A boom for a bomb: a sharp crack, a thump whose pitch drops fast, and a long dying rumble.
std::vector<double> bombBoom(int rate, int frames) {
    Noise noise;
    double phase = 0.0;
    double crack = 0.0;
    double brown = 0.0;
    double rumble = 0.0;
    std::vector<double> signal(static_cast<std::size_t>(frames), 0.0);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        phase += kTau * (38.0 + 72.0 * std::exp(-t * 4.0)) / rate;
        const double thump = std::sin(phase) * std::min(1.0, t / 0.004) * std::exp(-t * 2.2);
        const double white = noise.next();
        crack += 0.35 * (white - crack);
        brown = 0.995 * brown + 0.05 * white;
        rumble += 0.08 * (brown - rumble);
        const double swell = (0.75 + 0.25 * std::sin(kTau * 3.1 * t)) * std::min(1.0, t / 0.03);
        const double mix = 0.9 * thump + 0.6 * crack * std::exp(-t * 40.0) +
                           2.0 * rumble * swell * std::exp(-t * 1.6);
        signal[i] = std::tanh(1.6 * mix);
    }
    fadeEdges(signal, rate, 0.0, 0.25);
    return signal;
}

// A ratcheting fall for a ladder: twelve ticked notes stepping down two octaves over a glide.
std::vector<double> ladderFall(int rate, int frames) {
    Noise noise;
    std::vector<double> signal(static_cast<std::size_t>(frames), 0.0);
    const double length = static_cast<double>(frames) / rate;
    double glide = 0.0;
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        glide += kTau * 1200.0 * std::pow(0.25, t / length) / rate;
        signal[i] += 0.12 * (1.0 - t / length) * std::sin(glide);
    }
    for (int step = 0; step < 12; ++step) {
        const double start = step * 0.075;
        const double frequency = 1760.0 * std::pow(0.5, step / 5.5);
        for (int i = static_cast<int>(start * rate); i < frames; ++i) {
            const double t = static_cast<double>(i) / rate - start;
            if (t > 0.25) break;
            double tone = 0.0;
            for (const int harmonic : {1, 3, 5}) {
                if (frequency * harmonic < 0.45 * rate) {
                    tone += std::sin(kTau * frequency * harmonic * t) / (harmonic * harmonic);
                }
            }
            const double tick = 0.5 * noise.next() * std::exp(-t * 900.0);
            signal[i] += tone * std::min(1.0, t / 0.0015) * std::exp(-t * 38.0) + tick;
        }
    }
    fadeEdges(signal, rate, 0.0, 0.03);
    return signal;
}

struct Clip {
    const char* name;
    int rate;
    int frames;
    std::size_t fileSize;
    bool extendedFormat;  // an 18-byte "fmt " chunk
    bool fact;
    std::vector<std::pair<const char*, std::string>> info;  // a trailing "LIST" when not empty
    std::function<std::vector<double>(int, int)> synthesise;
};

Bytes waveFile(const Clip& clip) {
    Bytes chunks;
    putChunk(chunks, "fmt ", formatBody(clip.rate, clip.extendedFormat));
    if (clip.fact) {
        Bytes frames;
        put32(frames, static_cast<std::uint32_t>(clip.frames));
        putChunk(chunks, "fact", frames);
    }
    putChunk(chunks, "data", pcm(clip.synthesise(clip.rate, clip.frames)));
    if (!clip.info.empty())
        putChunk(chunks, "LIST", infoList(clip.info, clip.fileSize - 12 - chunks.size()));
    Bytes file{'R', 'I', 'F', 'F'};
    put32(file, static_cast<std::uint32_t>(chunks.size() + 4));
    file.insert(file.end(), {'W', 'A', 'V', 'E'});
    file.insert(file.end(), chunks.begin(), chunks.end());
    return file;
}

// Writes one clip into `directory`; false, with the reason on stderr, when it cannot.
bool writeClip(const std::string& directory, const Clip& clip) {
    const Bytes file = waveFile(clip);
    if (file.size() != clip.fileSize) {
        std::cerr << clip.name << ": " << file.size() << " bytes instead of " << clip.fileSize
                  << "\n";
        return false;
    }
    std::ofstream out(directory + "/" + clip.name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out.flush()) {
        std::cerr << clip.name << ": cannot write\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: varn-make-clips DIRECTORY\n";
        return 2;
    }
    const std::string software = "Varn clip synthesiser";
    const Clip clips[] = {
        {"varn1.wav", 22050, 5089, 10262, true, true, {{"INAM", "Chime"}}, groupChime},
        {"varn2.wav", 11025, 17248, 34552, false, true, {}, bombBoom},
        {"varn3.wav",
         22050,
         21504,
         43152,
         false,
         false,
         {{"INAM", "Ladder"}, {"ISFT", software}},
         ladderFall},
    };
    for (const Clip& clip : clips) {
        if (!writeClip(argv[1], clip)) return 1;
    }
    return 0;
}
