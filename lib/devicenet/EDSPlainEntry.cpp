#include "devicenet/EDSPlainEntry.h"

#include "EDSLineCleaner.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvid {

namespace {

constexpr size_t kWindow = 64;

// Where the characters of 64 bytes of the text are those an entry's
// layout is made of: one bit per byte, the first byte in bit 0.
struct WindowBits {
    uint64_t Blanks = 0; // " " and tab
    uint64_t Returns = 0;
    uint64_t LineFeeds = 0;
    uint64_t Quotes = 0;
    uint64_t Comments = 0; // "$"
    uint64_t Commas = 0;
    uint64_t Semicolons = 0;
    uint64_t Ends = 0; // past the end of the text
};

// How many bits are set, without the library's call: the build's baseline
// processor has no instruction for it, and every window counts its line
// feeds.
int CountBits(uint64_t bits) {
    bits -= (bits >> 1) & 0x5555555555555555u;
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return int((bits * 0x0101010101010101u) >> 56);
}

// The bits from each opening quote up to its closing one, the closing one
// left out: a running parity of the quotes.
uint64_t QuotedBits(uint64_t quotes) {
    for (unsigned shift = 1; shift < kWindow; shift *= 2)
        quotes ^= quotes << shift;
    return quotes;
}

#if defined(__SSE2__)
constexpr unsigned kParts = kWindow / 16; // of 16 bytes each

// One bit per byte of the 64 in `parts` that is one of `chars`. Each kind
// of character is looked for in all four parts at once: the parts stay in
// registers, which a part at a time with every kind would run out of.
template <char... Chars> uint64_t Matches(const __m128i (&parts)[kParts]) {
    uint64_t bits = 0;
    for (unsigned i = 0; i < kParts; ++i) {
        __m128i hits = _mm_setzero_si128();
        ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(parts[i], _mm_set1_epi8(Chars)))), ...);
        bits |= uint64_t{unsigned(_mm_movemask_epi8(hits))} << (16 * i);
    }
    return bits;
}

WindowBits BitsOf(const char* block) {
    __m128i parts[kParts];
    for (unsigned i = 0; i < kParts; ++i)
        parts[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i));
    WindowBits bits;
    bits.Blanks = Matches<' ', '\t'>(parts);
    bits.Returns = Matches<'\r'>(parts);
    bits.LineFeeds = Matches<'\n'>(parts);
    bits.Quotes = Matches<'"'>(parts);
    bits.Comments = Matches<'$'>(parts);
    bits.Commas = Matches<','>(parts);
    bits.Semicolons = Matches<';'>(parts);
    return bits;
}
#else
WindowBits BitsOf(const char* block) {
    WindowBits bits;
    for (size_t i = 0; i < kWindow; ++i) {
        const uint64_t bit = uint64_t{1} << i;
        const char c = block[i];
        bits.Blanks |= c == ' ' || c == '\t' ? bit : 0;
        bits.Returns |= c == '\r' ? bit : 0;
        bits.LineFeeds |= c == '\n' ? bit : 0;
        bits.Quotes |= c == '"' ? bit : 0;
        bits.Comments |= c == '$' ? bit : 0;
        bits.Commas |= c == ',' ? bit : 0;
        bits.Semicolons |= c == ';' ? bit : 0;
    }
    return bits;
}
#endif

// The bits of the 64 bytes of `text` from `at`; those past its end are
// marked so.
WindowBits BitsAt(std::string_view text, size_t at) {
    const size_t left = text.size() - at;
    if (left >= kWindow)
        return BitsOf(text.data() + at);
    // The last bytes, padded with bytes that are none of the others.
    char block[kWindow] = {};
    std::memcpy(block, text.data() + at, left);
    WindowBits bits = BitsOf(block);
    bits.Ends = ~uint64_t{0} << left;
    return bits;
}

// Where the key's "=" stands in its line as written: the first "=" there,
// as neither a quote nor a "$" can stand in front of it in a line whose
// cleaned form NumberedKeyAt matches (a "$" would cut the "=" off, and a
// quote is no part of a key's number).
size_t KeyEquals(std::string_view raw) {
    return raw.find('=');
}

enum class Step { More, Ended, NotPlain };

// A walk over an entry's text as written, giving up at the first thing
// whose cleaned form could differ from what is written. Fields are found 64
// bytes at a time, from bits of the characters that matter; a field that
// does not end within 64 bytes of its start, or holds a comment, is walked
// a character at a time.
class CPlainEntryWalk {
public:
    explicit CPlainEntryWalk(std::string_view text) : text_(text) {}

    // The fields from `from` on, into `fields`, or into `list` when given:
    // every field, however many there are. False when the entry is not
    // plain.
    bool Fields(size_t from, std::span<std::string_view> fields,
                std::vector<std::string_view>* list = nullptr);
    // The entry's lines behind its first, as the walk passed them: where
    // the last begins and ends, and how many there are.
    CleanedLines LinesBehindFirst() const;

private:
    // The fields of the next window, or the next field walked a character
    // at a time when none ends there, from the front of `fields`, which
    // loses them.
    Step NextFields(std::span<std::string_view>& fields);
    // The fields that end within the 64 bytes from at_, as NextFields.
    Step WindowFields(std::span<std::string_view>& fields);
    // One field a character at a time; `last` when no other may follow.
    Step LongField(std::string_view& field, bool last);
    // Past blanks, line ends and comments; false at a carriage return that
    // is kept as a character, or at the end of the text.
    bool SkipSpaces();
    // The field's text from at_: characters cleaning keeps, and quoted
    // texts closed on their line. False at a quote left open.
    bool TakeText(std::string_view& field);
    // Nothing but blanks or a comment stands behind the ";" on its line:
    // cleaned, the line ends with it, which ends the entry.
    bool EndsItsLine();
    void PassLineFeed(size_t at) {
        lastLine_ = at + 1;
        ++lineFeeds_;
    }
    // The line feeds of the window at `base` marked in `lineFeeds`.
    void PassLineFeeds(size_t base, uint64_t lineFeeds) {
        if (lineFeeds == 0)
            return;
        lastLine_ = base + kWindow - size_t(std::countl_zero(lineFeeds));
        lineFeeds_ += CountBits(lineFeeds);
    }

    std::string_view text_;
    size_t at_ = 0;
    size_t lastLine_ = 0;
    size_t lineEnd_ = 0; // the line feed behind the ";", or the text's end
    int lineFeeds_ = 0;
};

bool CPlainEntryWalk::Fields(size_t from, std::span<std::string_view> fields,
                             std::vector<std::string_view>* list) {
    at_ = from;
    size_t listed = 0;
    Step step = Step::More;
    while (step == Step::More) {
        if (list != nullptr) {
            // Room for a field at every byte of the window and one more: no
            // field found there is then the last the room holds, which
            // would take the rest of the entry.
            list->resize(listed + kWindow + 1);
            fields = std::span(*list).subspan(listed);
        }
        step = NextFields(fields);
        if (list != nullptr)
            listed = list->size() - fields.size();
    }
    if (list != nullptr)
        list->resize(listed);
    return step == Step::Ended && EndsItsLine();
}

Step CPlainEntryWalk::NextFields(std::span<std::string_view>& fields) {
    const size_t start = at_;
    const Step step = WindowFields(fields);
    if (step != Step::More || at_ != start)
        return step;
    const Step walked = LongField(fields.front(), fields.size() == 1);
    fields = fields.subspan(1);
    return walked;
}

Step CPlainEntryWalk::WindowFields(std::span<std::string_view>& fields) {
    const size_t base = at_;
    const WindowBits bits = BitsAt(text_, base);
    const uint64_t spaces = bits.Blanks | bits.Returns | bits.LineFeeds;
    // Quote state is right up to the first comment: behind it, quotes may
    // be part of the comment. The field that holds it is walked.
    const uint64_t quoted = QuotedBits(bits.Quotes);
    const uint64_t comments = bits.Comments & ~quoted;
    uint64_t ahead = (bits.Commas | bits.Semicolons) & ~quoted & ((comments & (0 - comments)) - 1);
    // The first ";" ends the entry: no stop behind it is taken.
    const uint64_t semicolons = bits.Semicolons & ahead;
    const uint64_t end = semicolons & (0 - semicolons);
    ahead &= end ^ (end - 1);
    const uint64_t text = quoted | bits.Quotes |
                          ~(spaces | bits.Commas | bits.Semicolons | bits.Comments | bits.Ends);
    // The fields are stored through a pointer, the window's bits kept in
    // locals: a store through a view could change any member.
    const char* const window = text_.data() + base;
    std::string_view* out = fields.data();
    std::string_view* const last = out + (fields.size() - 1);
    uint64_t taken = 0; // up to the last stop taken, that one included
    while (ahead != 0) {
        // The field runs from behind the stop taken before up to this one.
        const uint64_t stop = ahead & (0 - ahead);
        const uint64_t pieces = text & (stop - 1) & ~taken;
        ahead ^= stop;
        taken = stop ^ (stop - 1);
        if (pieces == 0) {
            *out = std::string_view();
        } else {
            // One piece only: "1 2" would be cleaned to "12".
            const unsigned first = unsigned(std::countr_zero(pieces));
            const uint64_t run = pieces >> first;
            if ((run & (run + 1)) != 0)
                return Step::NotPlain;
            *out = std::string_view(window + first, size_t(std::countr_one(run)));
        }
        ++out;
        // The last field would take the others behind it, commas and all.
        if (out > last && stop != end)
            return Step::NotPlain;
    }
    // A carriage return is kept as a character unless a line feed follows;
    // a line feed inside quotes ends a quote left open. Either, in front of
    // a stop taken, makes the entry read otherwise once cleaned.
    const bool lineFeedBehind = base + kWindow < text_.size() && text_[base + kWindow] == '\n';
    const uint64_t keptReturns =
        bits.Returns & ~((bits.LineFeeds >> 1) | (uint64_t{lineFeedBehind} << (kWindow - 1)));
    if (((keptReturns & ~quoted) | (bits.LineFeeds & quoted)) & taken)
        return Step::NotPlain;
    PassLineFeeds(base, bits.LineFeeds & taken);
    at_ = base + size_t(std::countr_one(taken));
    fields = fields.subspan(size_t(out - fields.data()));
    return (taken & end) != 0 ? Step::Ended : Step::More;
}

Step CPlainEntryWalk::LongField(std::string_view& field, bool last) {
    if (!SkipSpaces() || !TakeText(field) || !SkipSpaces())
        return Step::NotPlain;
    const char stop = text_[at_++];
    if (stop == ';')
        return Step::Ended;
    // Anything but a stop here is a second piece of the same field, and the
    // last field would take the others behind it, commas and all.
    return stop == ',' && !last ? Step::More : Step::NotPlain;
}

bool CPlainEntryWalk::SkipSpaces() {
    const size_t size = text_.size();
    for (; at_ < size; ++at_) {
        const char c = text_[at_];
        if (c == '\n') {
            PassLineFeed(at_);
        } else if (c == '\r') {
            if (at_ + 1 == size || text_[at_ + 1] != '\n')
                return false;
        } else if (c == '$') {
            at_ = LineAt(text_, at_).Next - 2; // the line feed comes next
        } else if (c != ' ' && c != '\t') {
            return true;
        }
    }
    return false;
}

bool CPlainEntryWalk::TakeText(std::string_view& field) {
    const size_t start = at_;
    const size_t size = text_.size();
    for (; at_ < size; ++at_) {
        const char c = text_[at_];
        if (c == '"') {
            at_ = QuoteEndFrom(text_, at_ + 1);
            if (at_ == size || text_[at_] != '"')
                return false;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '$' || c == ',' ||
                   c == ';') {
            break;
        }
    }
    field = text_.substr(start, at_ - start);
    return true;
}

bool CPlainEntryWalk::EndsItsLine() {
    const size_t size = text_.size();
    while (at_ < size && (text_[at_] == ' ' || text_[at_] == '\t'))
        ++at_;
    lineEnd_ = at_;
    if (at_ == size || text_[at_] == '\n')
        return true;
    if (text_[at_] == '$') {
        lineEnd_ = LineAt(text_, at_).Next - 1;
        return true;
    }
    lineEnd_ = at_ + 1;
    return text_[at_] == '\r' && lineEnd_ < size && text_[lineEnd_] == '\n';
}

CleanedLines CPlainEntryWalk::LinesBehindFirst() const {
    const size_t rawEnd =
        lineEnd_ > lastLine_ && text_[lineEnd_ - 1] == '\r' ? lineEnd_ - 1 : lineEnd_;
    return {lastLine_, rawEnd, lineEnd_ + 1, lineFeeds_};
}

// TakePlainEntry into `fields`, or into `list` when given.
bool TakeFields(CEDSLineSource& source, std::span<std::string_view> fields,
                std::vector<std::string_view>* list) {
    const size_t equals = KeyEquals(source.RawLine());
    if (equals == std::string_view::npos)
        return false;
    CPlainEntryWalk walk(source.TextFromLine());
    if (!walk.Fields(equals + 1, fields, list))
        return false;
    source.SkipLines(walk.LinesBehindFirst());
    return true;
}

} // namespace

bool TakePlainEntry(CEDSLineSource& source, std::span<std::string_view> fields) {
    return !fields.empty() && TakeFields(source, fields, nullptr);
}

bool TakePlainEntry(CEDSLineSource& source, std::vector<std::string_view>& fields) {
    return TakeFields(source, {}, &fields);
}

} // namespace corvid
