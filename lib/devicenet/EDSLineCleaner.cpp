#include "EDSLineCleaner.h"

#include "devicenet/EDSLineScanner.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvid {

namespace {

// What a character is to a run of cleaning, as bits: kept (1), a field
// stop (2), the run's end (4), so a character costs two additions, no
// branch. A quote, a "$" and the line end characters end a run: what they
// do depends on where they stand.
constexpr std::array<uint8_t, 256> kRunSteps = [] {
    std::array<uint8_t, 256> steps{};
    steps.fill(1);
    steps[' '] = 0;
    steps['\t'] = 0;
    for (const unsigned char c : {'=', ',', ';'})
        steps[c] = 3;
    for (const unsigned char c : {'"', '$', '\n', '\r'})
        steps[c] = 4;
    return steps;
}();

uint8_t RunStep(char c) {
    return kRunSteps[static_cast<unsigned char>(c)];
}

// The line's text without its line end: a carriage return in front of the
// line feed, or at the end of the text, is not part of it.
size_t RawEnd(std::string_view text, size_t from, size_t lineEnd) {
    return lineEnd > from && text[lineEnd - 1] == '\r' ? lineEnd - 1 : lineEnd;
}

size_t LineFeedFrom(std::string_view text, size_t from) {
    const void* const found = std::memchr(text.data() + from, '\n', text.size() - from);
    return found != nullptr ? size_t(static_cast<const char*>(found) - text.data()) : text.size();
}

#if defined(__SSE2__)
// The 16 bytes at `at`, which need no alignment.
__m128i Load(const char* at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

// One bit per byte of `block` that is one of `chars`.
template <typename... Chars> unsigned Mask(__m128i block, Chars... chars) {
    __m128i hits = _mm_setzero_si128();
    ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(block, _mm_set1_epi8(chars)))), ...);
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
}
#endif

// How far a cleaner goes.
enum class CleanUntil { LineEnd, EntryEnd, TextEnd };

// Cleans lines of a text onto the end of a string, which it uses as its
// buffer: the string is lengthened ahead of the writing, so that a run of
// kept characters can be stored 16 bytes at once, and cut back at the end.
class CLineCleaner {
public:
    CLineCleaner(std::string& out, std::string_view text, CEntryFieldEnds* ends, CleanUntil until,
                 size_t from)
        : out_(out), text_(text), write_(out.size()), ends_(ends), until_(until), lineStart_(from),
          lineOut_(write_), scanLine_(ends != nullptr && ends->Quoted()) {}

    // Cleans from `read` on, as far as the cleaner goes.
    CleanedLines Clean(size_t read);

private:
    // Kept characters, blanks, field stops and line ends from `read` on;
    // returns where a character that needs more than that stands, or the
    // end of the text, or where it was done.
    template <bool kNote> size_t Run(size_t read);
    template <bool kNote> size_t BlockRun(size_t read);
    template <bool kNote> size_t ByteRun(size_t read);
    // What Run left: a quote, a "$", a line end character or the end of the
    // text (or nothing, where Run stopped at a line's start); returns where
    // cleaning goes on.
    size_t RunEnd(size_t read);
    // The quoted text at `read`, copied as it is up to its closing quote;
    // one left open runs to the end of its line, which ends there.
    size_t Quoted(size_t read);
    // The first quote, or line feed when lines end there, from `from` on;
    // the end of the text when there is none.
    size_t QuoteEnd(size_t from) const;
    // The line ends at `at`: its line feed or the end of the text.
    void EndLine(size_t at) {
        if (scanLine_)
            ScanLine();
        LineEnd(at, write_);
    }
    // The stops of a line cleaned without noting them, found in what it
    // became.
    void ScanLine() {
        ends_->Scan(std::string_view(out_.data(), write_), lineOut_);
        scanLine_ = ends_->Quoted();
    }
    // The line ends at `at`, and `write` characters are written; returns
    // whether cleaning is done.
    bool LineEnd(size_t at, size_t write) {
        lastLine_ = lineStart_;
        lastEnd_ = at;
        ++count_;
        lineStart_ = at + 1;
        lineOut_ = write;
        done_ = until_ != CleanUntil::EntryEnd || lineStart_ >= text_.size() ||
                (write > 0 && out_[write - 1] == ';');
        return done_;
    }
    void Copy(size_t from, size_t to);
    // Room for `more` characters behind those written.
    void Room(size_t more) {
        if (write_ + more > out_.size())
            out_.resize(std::max({write_ + more, 2 * out_.size(), size_t{128}}));
    }
    bool LineEnds() const { return until_ != CleanUntil::TextEnd; }

    std::string& out_; // the first write_ characters are cleaned text
    std::string_view text_;
    size_t write_;
    CEntryFieldEnds* ends_;
    CleanUntil until_;
    bool done_ = false;
    size_t lineStart_; // where the line being cleaned begins in the text
    size_t lineOut_;   // and in out_
    // After a line that left a quote open the entry counts as quoted where
    // the line's own cleaning does not: such a line's stops are found by a
    // scan of what it became.
    bool scanLine_;
    size_t lastLine_ = 0; // where the last line cleaned begins
    size_t lastEnd_ = 0;  // and ends
    int count_ = 0;       // lines cleaned
};

CleanedLines CLineCleaner::Clean(size_t read) {
    while (!done_) {
        read = ends_ == nullptr || scanLine_ ? Run<false>(read) : Run<true>(read);
        if (!done_)
            read = RunEnd(read);
    }
    out_.resize(write_);
    return {lastLine_, RawEnd(text_, lastLine_, lastEnd_), lastEnd_ + 1, count_};
}

template <bool kNote> size_t CLineCleaner::Run(size_t read) {
#if defined(__SSE2__)
    read = BlockRun<kNote>(read);
    if (done_ || read + 32 <= text_.size())
        return read;
#endif
    return ByteRun<kNote>(read);
}

#if defined(__SSE2__)
// Sixteen characters a step: blanks, line ends and the characters RunEnd
// takes are found by compares of the whole block, and each run of kept
// characters between blanks is copied with one unaligned 16-byte store of
// the text from its first character on. Those loads reach up to 31 bytes
// past the block's start, so the last 31 bytes of the text are left to
// ByteRun. A carriage return is dropped here only when the block shows the
// line feed behind it. What is written is counted in locals: a store
// through a char pointer could change any member.
template <bool kNote> size_t CLineCleaner::BlockRun(size_t read) {
    constexpr size_t kNoteSpan = 64; // room for notes is taken a span at a time
    const char* const text = text_.data();
    const size_t size = text_.size();
    char* out = out_.data();
    size_t write = write_;
    size_t* notes = kNote ? ends_->Room(kNoteSpan) : nullptr;
    size_t* notesEnd = kNote ? notes + kNoteSpan : nullptr;
    const auto written = [&] {
        write_ = write;
        if constexpr (kNote)
            ends_->Noted(notes);
    };
    while (read + 32 <= size) {
        if (write + 32 > out_.size()) {
            write_ = write;
            Room(32);
            out = out_.data();
        }
        if (kNote && notesEnd - notes < 16) {
            ends_->Noted(notes);
            notes = ends_->Room(kNoteSpan);
            notesEnd = notes + kNoteSpan;
        }
        const __m128i block = Load(text + read);
        const unsigned returns = Mask(block, '\r');
        const unsigned feeds = Mask(block, '\n');
        const unsigned lineFeeds = LineEnds() ? feeds : 0;
        const unsigned dropped = returns & (lineFeeds >> 1);
        const unsigned runEnds = Mask(block, '"', '$') | (returns ^ dropped) | (feeds ^ lineFeeds);
        const unsigned length = runEnds != 0 ? unsigned(std::countr_zero(runEnds)) : 16;
        const unsigned within = (1u << length) - 1;
        unsigned kept = ~(Mask(block, ' ', '\t') | dropped | lineFeeds) & within;
        unsigned lineEnds = lineFeeds & within;
        const unsigned stops = kNote ? Mask(block, '=', ',', ';') : 0;
        for (;;) {
            // The runs in front of the next line end, or all that are left.
            unsigned runs = kept & (lineEnds != 0 ? (lineEnds & (0u - lineEnds)) - 1 : within);
            kept ^= runs;
            while (runs != 0) {
                const unsigned first = unsigned(std::countr_zero(runs));
                // Adding the run's lowest bit clears the run and sets the
                // bit behind it.
                const unsigned behind = runs + (runs & (0u - runs));
                const unsigned last = unsigned(std::countr_zero(behind));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + write),
                                 Load(text + read + first));
                if constexpr (kNote) {
                    for (unsigned run = stops & runs & ~behind; run != 0; run &= run - 1)
                        *notes++ = write + unsigned(std::countr_zero(run)) - first;
                }
                write += last - first;
                runs &= behind;
            }
            if (lineEnds == 0)
                break;
            const size_t at = read + unsigned(std::countr_zero(lineEnds));
            if (!kNote && scanLine_) {
                written();
                ScanLine();
                // Run's caller notes the next line's stops.
                if (!scanLine_) {
                    LineEnd(at, write);
                    return at + 1;
                }
            }
            if (LineEnd(at, write)) {
                written();
                return at + 1;
            }
            lineEnds &= lineEnds - 1;
        }
        read += length;
        if (length == 16)
            continue;
        // A quoted text closed on its line is copied here, 16 bytes a store,
        // rather than by RunEnd; anything else is RunEnd's.
        const size_t close = text[read] == '"' ? QuoteEnd(read + 1) : size;
        if (close + 16 > size || text[close] != '"')
            break;
        const size_t quoted = close + 1 - read;
        if (write + quoted + 16 > out_.size()) {
            write_ = write;
            Room(quoted + 16);
            out = out_.data();
        }
        for (size_t at = 0; at < quoted; at += 16)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + write + at), Load(text + read + at));
        write += quoted;
        read = close + 1;
    }
    written();
    return read;
}
#endif

// A character a step: the whole run where there is no block path, else the
// last bytes of the text. Line ends that need no more than ending the line
// are taken here too.
template <bool kNote> size_t CLineCleaner::ByteRun(size_t read) {
    constexpr size_t kSpan = 64; // room is taken a span at a time
    const char* const text = text_.data();
    const size_t size = text_.size();
    size_t write = write_;
    bool stopped = false;
    while (!stopped && read < size) {
        const size_t stop = read + std::min(size - read, kSpan);
        write_ = write;
        Room(stop - read);
        char* const out = out_.data();
        size_t* notes = kNote ? ends_->Room(stop - read) : nullptr;
        for (; read < stop; ++read) {
            const char c = text[read];
            const uint8_t step = RunStep(c);
            if (step < 4) {
                out[write] = c;
                if constexpr (kNote) {
                    *notes = write;
                    notes += step >> 1;
                }
                write += step & 1;
                continue;
            }
            if (LineEnds() && c == '\r' && read + 1 < size && text[read + 1] == '\n')
                continue; // dropped; its line feed comes next
            if (LineEnds() && c == '\n' && (kNote || !scanLine_)) {
                if (!LineEnd(read, write))
                    continue;
                ++read; // done
            }
            stopped = true;
            break;
        }
        if constexpr (kNote)
            ends_->Noted(notes);
    }
    write_ = write;
    return read;
}

size_t CLineCleaner::RunEnd(size_t read) {
    const size_t size = text_.size();
    if (read == size) {
        EndLine(size);
        return size;
    }
    const char c = text_[read];
    if (RunStep(c) < 4)
        return read; // Run stopped to decide again whether to note
    if (c == '"')
        return Quoted(read);
    if (c == '$')
        return LineEnds() ? LineFeedFrom(text_, read) : size;
    if (LineEnds() && c == '\n') {
        EndLine(read);
        return read + 1;
    }
    if (LineEnds() && c == '\r' && (read + 1 == size || text_[read + 1] == '\n'))
        return read + 1;
    // A line end character inside a line is kept like any other.
    Room(1);
    out_[write_++] = c;
    return read + 1;
}

size_t CLineCleaner::Quoted(size_t read) {
    const size_t close = QuoteEnd(read + 1);
    if (close < text_.size() && text_[close] == '"') {
        Copy(read, close + 1);
        return close + 1;
    }
    // Left open: up to the line's end, its carriage return left out.
    Copy(read, LineEnds() && text_[close - 1] == '\r' ? close - 1 : close);
    const bool noted = ends_ != nullptr && !scanLine_;
    if (noted)
        ends_->OpenQuote();
    EndLine(close);
    scanLine_ = scanLine_ || noted;
    return close + 1;
}

size_t CLineCleaner::QuoteEnd(size_t from) const {
    return QuoteEndFrom(text_, from, LineEnds());
}

void CLineCleaner::Copy(size_t from, size_t to) {
    Room(to - from);
    std::memcpy(out_.data() + write_, text_.data() + from, to - from);
    write_ += to - from;
}

} // namespace

CleanedLines CleanLineOnto(std::string& out, std::string_view text, size_t from) {
    return CLineCleaner(out, text, nullptr, CleanUntil::LineEnd, from).Clean(from);
}

CleanedLines CleanEntryLinesOnto(std::string& out, std::string_view text, size_t from,
                                 CEntryFieldEnds* ends) {
    return CLineCleaner(out, text, ends, CleanUntil::EntryEnd, from).Clean(from);
}

void CleanTextOnto(std::string& out, std::string_view text) {
    CLineCleaner(out, text, nullptr, CleanUntil::TextEnd, 0).Clean(0);
}

size_t QuoteEndFrom(std::string_view text, size_t from, bool lineEnds) {
    const char lineFeed = lineEnds ? '\n' : '"';
    const size_t size = text.size();
#if defined(__SSE2__)
    for (; from + 16 <= size; from += 16) {
        const unsigned found = Mask(Load(text.data() + from), '"', lineFeed);
        if (found != 0)
            return from + unsigned(std::countr_zero(found));
    }
#endif
    while (from < size && text[from] != '"' && text[from] != lineFeed)
        ++from;
    return from;
}

CleanedLines LineAt(std::string_view text, size_t from) {
    const size_t end = LineFeedFrom(text, from);
    return {from, RawEnd(text, from, end), end + 1, 1};
}

} // namespace corvid
