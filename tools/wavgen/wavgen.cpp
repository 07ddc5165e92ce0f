// Synthesises the game's nine sounds as 16-bit mono PCM WAV files.
//
//   wavgen <output folder>
//
// Everything is generated from fixed seeds, so every build writes the same
// bytes. The three background tracks are rendered into a circular buffer:
// whatever rings past the end of the loop is added to its beginning, exactly
// as it will sound when the track repeats, so the loop point has no click.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int RATE = 44100;
constexpr double PI = 3.14159265358979323846;
constexpr double TWO_PI = 2 * PI;

// Small deterministic generator for noise; std::rand differs between libraries.
class Noise
{
public:
    explicit Noise(std::uint64_t seed) : m_state(seed ? seed : 1) {}
    double next() // uniform in [-1, 1)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return double(m_state >> 11) * (2.0 / 9007199254740992.0) - 1.0;
    }

private:
    std::uint64_t m_state;
};

// A mono track. A looping track wraps everything written past its end.
class Track
{
public:
    Track(double seconds, bool looping)
        : m_samples(std::size_t(std::lround(seconds * RATE)), 0.0), m_looping(looping)
    {
    }
    Track(std::size_t samples, bool looping) : m_samples(samples, 0.0), m_looping(looping) {}

    std::size_t size() const { return m_samples.size(); }
    const std::vector<double> &samples() const { return m_samples; }

    void add(long i, double v)
    {
        const long n = long(m_samples.size());
        if (m_looping)
            m_samples[std::size_t(((i % n) + n) % n)] += v;
        else if (i >= 0 && i < n)
            m_samples[std::size_t(i)] += v;
    }

    // Scales the whole track so that its peak sits at the given level.
    void normalise(double peak)
    {
        double most = 0;
        for (double s : m_samples)
            most = std::max(most, std::abs(s));
        if (most > 0)
            for (double &s : m_samples)
                s *= peak / most;
    }

    // Short fades at both ends of a one-shot sound, so it starts and stops
    // without a click.
    void fadeEnds(double inSeconds, double outSeconds)
    {
        const std::size_t in = std::size_t(inSeconds * RATE);
        const std::size_t out = std::size_t(outSeconds * RATE);
        for (std::size_t i = 0; i < in && i < m_samples.size(); ++i)
            m_samples[i] *= double(i) / double(in);
        for (std::size_t i = 0; i < out && i < m_samples.size(); ++i)
            m_samples[m_samples.size() - 1 - i] *= double(i) / double(out);
    }

private:
    std::vector<double> m_samples;
    bool m_looping;
};

// Attack, decay to a sustain level, hold, then release; t in seconds from
// the note's start, hold the time the note is held.
struct Envelope
{
    double attack = 0.01;
    double decay = 0.1;
    double sustain = 0.7;
    double release = 0.2;

    double at(double t, double hold) const
    {
        double level;
        if (t < attack)
            level = t / attack;
        else if (t < attack + decay)
            level = 1.0 - (1.0 - sustain) * (t - attack) / decay;
        else
            level = sustain;
        if (t > hold) {
            const double held = at(hold, hold + 1e9);
            level = held * std::max(0.0, 1.0 - (t - hold) / release);
        }
        return level;
    }
};

// A tone colour: relative strengths of the harmonics, and an optional
// exponential decay for plucked and struck sounds.
struct Timbre
{
    std::vector<double> harmonics;
    Envelope env;
    double decayPerSecond = 0; // 0 keeps the level; otherwise e^(-k t)
    double vibratoHz = 0;
    double vibratoDepth = 0; // in fractions of the frequency
    double detune = 0;       // a second voice this fraction sharp, for warmth
    double stretch = 0;      // inharmonic partials for bells
};

void note(Track &track, const Timbre &timbre, double freq, double start, double hold,
          double amp)
{
    const double length = hold + timbre.env.release;
    const long first = std::lround(start * RATE);
    const long count = std::lround(length * RATE);
    const int voices = timbre.detune > 0 ? 2 : 1;
    for (int v = 0; v < voices; ++v) {
        const double f0 = freq * (1.0 + v * timbre.detune);
        std::vector<double> phase(timbre.harmonics.size(), 0.0);
        for (long i = 0; i < count; ++i) {
            const double t = double(i) / RATE;
            const double vib =
                1.0 + timbre.vibratoDepth * std::sin(TWO_PI * timbre.vibratoHz * t) *
                          std::min(1.0, t / 0.3);
            double s = 0;
            for (std::size_t h = 0; h < timbre.harmonics.size(); ++h) {
                const double k = double(h + 1);
                const double partial = f0 * vib * k * (1.0 + timbre.stretch * (k - 1) * (k - 1));
                if (partial >= RATE / 2.2)
                    break; // keep clear of aliasing
                phase[h] += TWO_PI * partial / RATE;
                s += timbre.harmonics[h] * std::sin(phase[h]);
            }
            double level = timbre.env.at(t, hold);
            if (timbre.decayPerSecond > 0)
                level *= std::exp(-timbre.decayPerSecond * t);
            track.add(first + i, amp * level * s / voices);
        }
    }
}

double midi(int n)
{
    return 440.0 * std::pow(2.0, (n - 69) / 12.0);
}

Timbre pad()
{
    Timbre t;
    t.harmonics = {1.0, 0.35, 0.18, 0.09, 0.05, 0.03};
    t.env = {0.6, 0.4, 0.8, 0.9};
    t.detune = 0.004;
    t.vibratoHz = 4.5;
    t.vibratoDepth = 0.002;
    return t;
}

Timbre pluck()
{
    Timbre t;
    t.harmonics = {1.0, 0.5, 0.25, 0.12, 0.06};
    t.env = {0.005, 0.05, 0.8, 0.15};
    t.decayPerSecond = 4.0;
    return t;
}

Timbre bass()
{
    Timbre t;
    t.harmonics = {1.0, 0.4, 0.1};
    t.env = {0.01, 0.1, 0.7, 0.08};
    t.decayPerSecond = 2.0;
    return t;
}

Timbre bell()
{
    Timbre t;
    t.harmonics = {1.0, 0.6, 0.3, 0.2, 0.1};
    t.env = {0.003, 0.1, 0.9, 0.6};
    t.decayPerSecond = 2.2;
    t.stretch = 0.0015;
    return t;
}

Timbre brass()
{
    Timbre t;
    t.harmonics = {1.0, 0.7, 0.5, 0.35, 0.25, 0.15, 0.1, 0.06};
    t.env = {0.06, 0.15, 0.75, 0.25};
    t.vibratoHz = 5.5;
    t.vibratoDepth = 0.006;
    t.detune = 0.003;
    return t;
}

// A low kick: a sine falling quickly in pitch.
void kick(Track &track, double start, double amp)
{
    const long first = std::lround(start * RATE);
    double phase = 0;
    for (long i = 0; i < long(0.35 * RATE); ++i) {
        const double t = double(i) / RATE;
        const double f = 45.0 + 80.0 * std::exp(-t * 30.0);
        phase += TWO_PI * f / RATE;
        const double env = std::min(1.0, t / 0.002) * std::exp(-t * 9.0);
        track.add(first + i, amp * env * std::sin(phase));
    }
}

// A soft tick of high noise, like a closed hi-hat or a clock.
void tick(Track &track, Noise &noise, double start, double amp, double seconds)
{
    const long first = std::lround(start * RATE);
    double previous = 0;
    for (long i = 0; i < long(seconds * RATE); ++i) {
        const double t = double(i) / RATE;
        const double n = noise.next();
        const double high = n - previous; // crude high-pass
        previous = n;
        const double env = std::min(1.0, t / 0.001) * std::exp(-t / (seconds / 5));
        track.add(first + i, amp * env * high * 0.5);
    }
}

// A low drone whose frequency is bent to a whole number of cycles over the
// loop, with a gentle swell that also repeats exactly.
void drone(Track &track, double freq, double amp, int swells)
{
    const double loop = double(track.size()) / RATE;
    const double f = std::round(freq * loop) / loop;
    for (std::size_t i = 0; i < track.size(); ++i) {
        const double t = double(i) / RATE;
        const double swell = 0.75 + 0.25 * std::sin(TWO_PI * swells * t / loop);
        const double s = std::sin(TWO_PI * f * t) + 0.3 * std::sin(TWO_PI * 2 * f * t);
        track.add(long(i), amp * swell * s);
    }
}

struct Chord
{
    int root; // MIDI note of the bass
    std::vector<int> tones;
};

// One background track: a chord per bar with a pad, a bass line, an arpeggio
// and, as the stakes rise, percussion.
struct Style
{
    int bpm;
    int bars;
    std::vector<Chord> chords; // one per bar, repeated
    int arpeggioPerBeat;       // notes per beat
    int bassPerBeat;
    double padLevel;
    double arpLevel;
    double bassLevel;
    double kickLevel;  // on every beat when non-zero
    double tickLevel;  // on every off-beat when non-zero
    double droneLevel;
    int octaveUp;      // arpeggio register
};

Track background(const Style &style)
{
    const long beatSamples = 60L * RATE / style.bpm; // exact for the tempi used
    const int beats = style.bars * 4;
    Track track(std::size_t(beatSamples * beats), true);
    const double beat = double(beatSamples) / RATE;
    Noise noise(0x5eed0000u + std::uint64_t(style.bpm));

    const Timbre padT = pad();
    const Timbre arpT = pluck();
    const Timbre bassT = bass();
    for (int bar = 0; bar < style.bars; ++bar) {
        const Chord &chord = style.chords[std::size_t(bar) % style.chords.size()];
        const double barStart = bar * 4 * beat;
        for (int tone : chord.tones)
            note(track, padT, midi(tone), barStart, 4 * beat - 0.3, style.padLevel);

        for (int b = 0; b < 4; ++b) {
            const double beatStart = barStart + b * beat;
            for (int k = 0; k < style.bassPerBeat; ++k) {
                const double step = beat / style.bassPerBeat;
                const int n = chord.root + ((b == 3 && k == style.bassPerBeat - 1) ? 7 : 0);
                note(track, bassT, midi(n), beatStart + k * step, step * 0.8,
                     style.bassLevel);
            }
            for (int k = 0; k < style.arpeggioPerBeat; ++k) {
                const double step = beat / style.arpeggioPerBeat;
                const int index = b * style.arpeggioPerBeat + k;
                const int tone = chord.tones[std::size_t(index) % chord.tones.size()] +
                                 12 * (style.octaveUp + (index / int(chord.tones.size())) % 2);
                // Accent the first note of each beat a little.
                const double accent = k == 0 ? 1.0 : 0.75;
                note(track, arpT, midi(tone), beatStart + k * step, step * 0.9,
                     style.arpLevel * accent);
            }
            if (style.kickLevel > 0)
                kick(track, beatStart, style.kickLevel);
            if (style.tickLevel > 0)
                tick(track, noise, beatStart + beat / 2, style.tickLevel, 0.06);
        }
    }
    if (style.droneLevel > 0)
        drone(track, midi(style.chords.front().root - 12), style.droneLevel, style.bars / 2);
    track.normalise(0.6);
    return track;
}

Track firstBackground()
{
    // Calm and open: A minor to F and C to G, slow and spacious.
    Style s;
    s.bpm = 84;
    s.bars = 4;
    s.chords = {{45, {57, 60, 64}}, {41, {57, 60, 65}}, {48, {55, 60, 64}}, {43, {55, 59, 62}}};
    s.arpeggioPerBeat = 2;
    s.bassPerBeat = 1;
    s.padLevel = 0.22;
    s.arpLevel = 0.20;
    s.bassLevel = 0.30;
    s.kickLevel = 0;
    s.tickLevel = 0;
    s.droneLevel = 0;
    s.octaveUp = 1;
    return background(s);
}

Track secondBackground()
{
    // A pulse arrives: D minor with a rising line, eighth-note bass.
    Style s;
    s.bpm = 100;
    s.bars = 8;
    s.chords = {{38, {62, 65, 69}}, {38, {62, 65, 70}}, {46, {58, 62, 65}}, {45, {57, 61, 64}}};
    s.arpeggioPerBeat = 3;
    s.bassPerBeat = 2;
    s.padLevel = 0.20;
    s.arpLevel = 0.18;
    s.bassLevel = 0.30;
    s.kickLevel = 0.35;
    s.tickLevel = 0;
    s.droneLevel = 0.06;
    s.octaveUp = 0;
    return background(s);
}

Track finalBackground()
{
    // Tense: E minor over a pedal, a diminished turn, fast pulse and ticking.
    Style s;
    s.bpm = 120;
    s.bars = 8;
    s.chords = {{40, {64, 67, 71}}, {40, {64, 67, 72}}, {40, {63, 66, 72}}, {40, {63, 66, 71}}};
    s.arpeggioPerBeat = 4;
    s.bassPerBeat = 4;
    s.padLevel = 0.18;
    s.arpLevel = 0.15;
    s.bassLevel = 0.26;
    s.kickLevel = 0.45;
    s.tickLevel = 0.22;
    s.droneLevel = 0.08;
    s.octaveUp = 1;
    return background(s);
}

Track winFanfare()
{
    Track t(5.0, false);
    const Timbre b = brass();
    // A rising C major call, then the full chord held with a timpani roll.
    const int call[] = {60, 64, 67, 72};
    for (int i = 0; i < 4; ++i)
        note(t, b, midi(call[i]), 0.05 + i * 0.16, 0.14, 0.35);
    note(t, b, midi(67), 0.75, 0.12, 0.3);
    note(t, b, midi(72), 0.9, 0.12, 0.35);
    for (int tone : {60, 64, 67, 72, 76})
        note(t, b, midi(tone), 1.1, 2.6, 0.22);
    note(t, bass(), midi(36), 1.1, 2.6, 0.4);
    for (int i = 0; i < 24; ++i)
        kick(t, 1.1 + i * 0.1, 0.12 * (1.0 - i / 30.0));
    kick(t, 3.7, 0.5);
    const Timbre sparkle = bell();
    for (int i = 0; i < 6; ++i)
        note(t, sparkle, midi(84 + (i % 3) * 4), 1.2 + i * 0.35, 0.1, 0.08);
    t.normalise(0.85);
    t.fadeEnds(0.005, 0.4);
    return t;
}

Track loseSting()
{
    Track t(3.2, false);
    Timbre b = brass();
    b.vibratoDepth = 0.012;
    // Three falling steps and a long sagging note over a dark low chord.
    const int fall[] = {62, 61, 60};
    for (int i = 0; i < 3; ++i)
        note(t, b, midi(fall[i]), 0.05 + i * 0.42, 0.32, 0.35);
    // The last note bends down a semitone as it dies away.
    const long first = std::lround(1.35 * RATE);
    double phase = 0;
    for (long i = 0; i < long(1.7 * RATE); ++i) {
        const double time = double(i) / RATE;
        const double f = midi(59) * std::pow(2.0, -time / 1.7 / 12.0) *
                         (1.0 + 0.01 * std::sin(TWO_PI * 5.0 * time));
        phase += TWO_PI * f / RATE;
        const double env = std::min(1.0, time / 0.05) * std::max(0.0, 1.0 - time / 1.7);
        double s = 0;
        for (int h = 1; h <= 6; ++h)
            s += std::sin(h * phase) / h;
        t.add(first + i, 0.3 * env * s);
    }
    for (int tone : {35, 47, 50})
        note(t, pad(), midi(tone), 1.3, 1.2, 0.18);
    t.normalise(0.8);
    t.fadeEnds(0.005, 0.3);
    return t;
}

Track takeChime()
{
    Track t(3.5, false);
    const Timbre b = bell();
    // A bright descending chime that settles on a major chord: a happy exit.
    const int tones[] = {84, 79, 76, 72};
    for (int i = 0; i < 4; ++i)
        note(t, b, midi(tones[i]), 0.02 + i * 0.22, 0.2, 0.3);
    for (int tone : {60, 64, 67, 72})
        note(t, b, midi(tone), 0.95, 1.2, 0.18);
    note(t, pad(), midi(48), 0.9, 1.5, 0.15);
    t.normalise(0.8);
    t.fadeEnds(0.003, 0.4);
    return t;
}

Track fiftySweep()
{
    Track t(0.9, false);
    Noise noise(50);
    // A rising tone and a band of noise sweeping up together: a quick "whoosh".
    double phase = 0;
    double low = 0;
    double lowest = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const double time = double(i) / RATE;
        const double x = time / 0.9;
        const double f = 200.0 * std::pow(12.0, x);
        phase += TWO_PI * f / RATE;
        const double env = std::sin(PI * x) * std::sin(PI * x);
        // A one-pole low-pass whose corner follows the sweep, minus a slower one: band-pass noise.
        const double a = std::min(1.0, TWO_PI * f * 2 / RATE);
        const double n = noise.next();
        low += a * (n - low);
        lowest += a * 0.25 * (low - lowest);
        const double band = low - lowest;
        t.add(long(i), env * (0.35 * std::sin(phase) + 0.25 * std::sin(2 * phase) + 1.6 * band));
    }
    t.normalise(0.75);
    t.fadeEnds(0.003, 0.02);
    return t;
}

Track crowdMurmur()
{
    Track t(2.8, false);
    Noise noise(2024);
    // Many voices: each is noise through a resonant filter at a speaking
    // pitch's formant, swelling and fading like a word or two.
    for (int v = 0; v < 40; ++v) {
        const double start = (noise.next() + 1.0) * 0.9;
        const double len = 0.4 + (noise.next() + 1.0) * 0.5;
        const double centre = 350.0 + (noise.next() + 1.0) * 500.0;
        const double syllables = 3.0 + (noise.next() + 1.0) * 2.5;
        const double r = 0.985;
        const double c = 2 * r * std::cos(TWO_PI * centre / RATE);
        double y1 = 0, y2 = 0;
        const long first = std::lround(start * RATE);
        for (long i = 0; i < long(len * RATE); ++i) {
            const double time = double(i) / RATE;
            const double y = noise.next() * (1 - r) + c * y1 - r * r * y2;
            y2 = y1;
            y1 = y;
            const double shape = std::sin(PI * time / len);
            const double words = 0.55 + 0.45 * std::sin(TWO_PI * syllables * time);
            t.add(first + i, y * shape * words);
        }
    }
    // The whole crowd swells in and out.
    Track shaped(t.size(), false);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const double x = double(i) / double(t.size());
        shaped.add(long(i), t.samples()[i] * std::min(1.0, x / 0.15) * std::min(1.0, (1 - x) / 0.3));
    }
    shaped.normalise(0.7);
    shaped.fadeEnds(0.01, 0.05);
    return shaped;
}

Track telephoneRing()
{
    Track t(3.0, false);
    // Two double rings of a bell-like 400 + 450 Hz tone warbling at 20 Hz.
    const double bursts[][2] = {{0.0, 0.4}, {0.6, 1.0}, {1.8, 2.2}, {2.4, 2.8}};
    for (const auto &burst : bursts) {
        const long first = std::lround(burst[0] * RATE);
        const double len = burst[1] - burst[0];
        for (long i = 0; i < long(len * RATE); ++i) {
            const double time = double(i) / RATE;
            const double env = std::min(1.0, time / 0.01) * std::min(1.0, (len - time) / 0.02);
            const double warble = 0.6 + 0.4 * std::sin(TWO_PI * 20.0 * time);
            const double s = std::sin(TWO_PI * 400.0 * time) + std::sin(TWO_PI * 450.0 * time) +
                             0.2 * std::sin(TWO_PI * 800.0 * time);
            t.add(first + i, env * warble * s);
        }
    }
    t.normalise(0.6);
    return t;
}

void put16(std::string &out, unsigned v)
{
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}

void put32(std::string &out, unsigned long v)
{
    put16(out, unsigned(v & 0xFFFF));
    put16(out, unsigned((v >> 16) & 0xFFFF));
}

bool writeWav(const std::string &path, const Track &track)
{
    const unsigned long dataBytes = track.size() * 2;
    std::string out;
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, RATE);
    put32(out, RATE * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, dataBytes);
    for (double s : track.samples()) {
        const double clipped = std::clamp(s, -1.0, 1.0);
        put16(out, unsigned(std::uint16_t(std::int16_t(std::lround(clipped * 32767.0)))));
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), std::streamsize(out.size()));
    return bool(file);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const std::pair<const char *, std::function<Track()>> sounds[] = {
        {"first_bg.wav", firstBackground}, {"second_bg.wav", secondBackground},
        {"final_bg.wav", finalBackground}, {"win_bg.wav", winFanfare},
        {"lose_bg.wav", loseSting},        {"take_bg.wav", takeChime},
        {"fifty.wav", fiftySweep},         {"ask.wav", crowdMurmur},
        {"ring.wav", telephoneRing},
    };
    for (const auto &[name, make] : sounds) {
        const std::string path = dir + "/" + name;
        if (!writeWav(path, make())) {
            std::fprintf(stderr, "wavgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
