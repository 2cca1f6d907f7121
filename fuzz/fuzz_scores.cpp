// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the high-score table from the bytes of a Scores file onwards:
// decoding, entering a waiting result, sorting, the grid texts, the rows
// marked red, encoding the table back (and decoding what was encoded), and
// the whole opening of the high-score window on a file holding the bytes.
//
// The input is the file's bytes (its first 798). Any bytes past them are a
// result waiting to be entered: score (8 bytes), days (2), money (8), all
// little-endian, then the winner's name (made valid UTF-8 first, as the name
// box always holds valid text).

#include "fuzz_support.h"

#include "base/text.h"
#include "scores/high_scores.h"
#include "scores/score_file.h"
#include "scores/score_table.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace swoonery::fuzz {
namespace {

using scores::kEntryCount;
using scores::kFileSize;
using scores::kNameLength;
using scores::kRecordSize;
using scores::ScoreEntry;
using scores::ScoreTable;
namespace fs = std::filesystem;

// Little-endian, byte by byte, as the file is laid out on every machine.
std::uint64_t le64(std::string_view bytes, std::size_t at) {
    std::uint64_t v = 0;
    for (std::size_t k = 0; k < 8; ++k) {
        v |= std::uint64_t{static_cast<unsigned char>(bytes[at + k])} << (8 * k);
    }
    return v;
}

std::uint16_t le16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

// What a game can have scored: a whole-part score of 1 to 1e10.
bool counts(double score) {
    return std::isfinite(score) && score >= 1.0 && score <= 1e10;
}

// A record a game can have written: such a score, and no negative days or money.
bool possible(double score, int16 days, std::int64_t money_units) {
    return counts(score) && days >= 0 && money_units >= 0;
}

bool in_use(const ScoreEntry& e) {
    return possible(e.score, e.days, e.money.units);
}

std::string where(std::size_t entry) {
    return "entry " + std::to_string(entry + 1) + ": ";
}

// A name in memory is valid UTF-8 of exactly 20 characters; returns them.
std::vector<char32_t> name_points(const ScoreEntry& entry, std::size_t n) {
    const auto points = utf8_code_points(entry.name);
    FUZZ_CHECK(points.has_value(), where(n) + "name is not UTF-8: " + escaped(entry.name));
    FUZZ_CHECK(points->size() == kNameLength,
               where(n) + "name is not 20 characters: " + escaped(entry.name));
    return *points;
}

// Characters Windows-1252 holds as the same number: they always survive the
// file unchanged (a zero byte apart, which reads back as a blank).
bool same_in_cp1252(char32_t cp) {
    return cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF);
}

// Each record the bytes hold in full becomes its entry when a game can have
// written it and an empty entry otherwise; a record cut short and
// the records past the end are empty.
void check_decoded(std::string_view file, const ScoreTable& table) {
    for (std::size_t n = 0; n < kEntryCount; ++n) {
        const ScoreEntry& entry = table[n];
        const std::size_t at = n * kRecordSize;
        if (at + kRecordSize > file.size()) {
            FUZZ_CHECK(entry == ScoreEntry{}, where(n) + "a record the file lacks is not empty");
            continue;
        }
        const double score = std::bit_cast<double>(le64(file, at + 20));
        if (!possible(score, static_cast<int16>(le16(file, at + 28)),
                      static_cast<std::int64_t>(le64(file, at + 30)))) {
            FUZZ_CHECK(entry == ScoreEntry{}, where(n) + "an impossible record is kept");
            continue;
        }
        FUZZ_CHECK(std::bit_cast<std::uint64_t>(entry.score) == le64(file, at + 20),
                   where(n) + "score changed on reading");
        FUZZ_CHECK(entry.days == static_cast<int16>(le16(file, at + 28)),
                   where(n) + "days changed on reading");
        FUZZ_CHECK(entry.money.units == static_cast<std::int64_t>(le64(file, at + 30)),
                   where(n) + "money changed on reading");
        const std::vector<char32_t> points = name_points(entry, n);
        for (std::size_t k = 0; k < kNameLength; ++k) {
            const auto byte = static_cast<unsigned char>(file[at + k]);
            if (byte == 0) {
                FUZZ_CHECK(points[k] == U' ',
                           where(n) + "a zero byte in a name does not read as blank");
            } else if (same_in_cp1252(byte)) {
                FUZZ_CHECK(points[k] == byte, where(n) + "a name character changed on reading");
            } else {
                FUZZ_CHECK(points[k] >= 0x80 && !same_in_cp1252(points[k]),
                           where(n) +
                               "bytes 0x80 to 0x9F must read as characters other than Latin-1");
            }
        }
    }
}

struct Pending {
    bool present = false;
    scores::Result result;
};

Pending pending_result(std::string_view tail) {
    Pending p;
    if (tail.empty()) {
        return p;
    }
    std::string fields(tail.substr(0, std::min<std::size_t>(tail.size(), 18)));
    fields.resize(18, '\0');
    p.present = true;
    p.result.score = std::bit_cast<double>(le64(fields, 0));
    p.result.days = static_cast<int16>(le16(fields, 8));
    p.result.money.units = static_cast<std::int64_t>(le64(fields, 10));
    p.result.name = sanitize_utf8(tail.size() > 18 ? tail.substr(18) : std::string_view());
    return p;
}

// A waiting result overwrites entry 21 only: its name cut or padded to 20
// characters, its numbers as they are; one without a valid score leaves
// entry 21 empty. Without a waiting result nothing changes.
void check_entered(const ScoreTable& before, const ScoreTable& after, const Pending& p) {
    for (std::size_t n = 0; n + 1 < kEntryCount; ++n) {
        FUZZ_CHECK(after[n] == before[n], where(n) + "changed by entering a result");
    }
    const ScoreEntry& last = after[kEntryCount - 1];
    if (!p.present) {
        FUZZ_CHECK(last == before[kEntryCount - 1], "entry 21 changed without a waiting result");
        return;
    }
    const scores::Result& s = p.result;
    if (!possible(s.score, s.days, s.money.units)) {
        FUZZ_CHECK(last == ScoreEntry{}, "an impossible result was entered");
        return;
    }
    FUZZ_CHECK(std::bit_cast<std::uint64_t>(last.score) == std::bit_cast<std::uint64_t>(s.score),
               "entered score differs");
    FUZZ_CHECK(last.days == s.days, "entered days differ");
    FUZZ_CHECK(last.money == s.money, "entered money differs");
    const std::vector<char32_t> got = name_points(last, kEntryCount - 1);
    const std::vector<char32_t> given = *utf8_code_points(s.name);
    for (std::size_t k = 0; k < kNameLength; ++k) {
        const char32_t want = k < given.size() ? given[k] : U' ';
        FUZZ_CHECK(got[k] == want, "entered name is not the winner's name cut or padded to 20: " +
                                       escaped(last.name));
    }
}

struct Placed {
    std::size_t from; // slot before sorting
    ScoreEntry entry;
};

// The table sorted as the rules say, worked out separately: entries with a
// valid score, highest first, equal scores with the higher-numbered slot
// first, then empty entries. Each with the slot it came from.
std::vector<Placed> sorted_model(const ScoreTable& table) {
    std::vector<Placed> used;
    for (std::size_t n = 0; n < kEntryCount; ++n) {
        if (in_use(table[n])) {
            used.push_back({n, table[n]});
        }
    }
    std::stable_sort(used.begin(), used.end(), [](const Placed& a, const Placed& b) {
        if (a.entry.score != b.entry.score) {
            return a.entry.score > b.entry.score;
        }
        return a.from > b.from;
    });
    while (used.size() < kEntryCount) {
        used.push_back({kEntryCount, ScoreEntry{}});
    }
    return used;
}

// Sorting keeps all 21 entries and orders them as the model does.
void check_sorted(const ScoreTable& sorted, const std::vector<Placed>& model) {
    for (std::size_t n = 0; n < kEntryCount; ++n) {
        FUZZ_CHECK(sorted[n] == model[n].entry,
                   where(n) + "sorted out of order, expected the entry from slot " +
                       std::to_string(model[n].from + 1));
    }
}

// A number cell is plain decimal (no blank, no exponent, no separator, no
// decimals for a whole number) and reads back as the number itself.
void check_number_text(const std::string& text, double value, const std::string& what) {
    FUZZ_CHECK(!text.empty(), what + " is empty");
    const bool allowed = std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '-' || c == '.';
    });
    FUZZ_CHECK(allowed, what + " is not plain decimal: " + escaped(text));
    FUZZ_CHECK(text.find('-', 1) == std::string::npos, what + " has a '-' inside: " + text);
    if (value == std::trunc(value)) {
        FUZZ_CHECK(text.find('.') == std::string::npos, what + " shows decimals: " + text);
    }
    double back = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), back);
    FUZZ_CHECK(res.ec == std::errc() && res.ptr == text.data() + text.size() && back == value,
               what + " does not read back as its number: " + text);
}

// The grid is 22 rows of 5 texts: the header, entries 1 to 20 (blank when
// empty) and a blank last row; every text is valid UTF-8.
void check_cells(const ScoreTable& table, const scores::Cells& cells) {
    FUZZ_CHECK(cells.size() == 22, "the grid does not have 22 rows");
    for (const auto& row : cells) {
        FUZZ_CHECK(row.size() == 5, "a grid row does not have 5 columns");
        for (const std::string& cell : row) {
            FUZZ_CHECK(utf8_code_points(cell).has_value(), "a cell is not UTF-8: " + escaped(cell));
        }
    }
    const std::vector<std::string> header{"", "Name", "Total Days  ", "Money Spent ", "Score  "};
    FUZZ_CHECK(cells[0] == header, "the header row is wrong");
    for (std::size_t r = 1; r <= 21; ++r) {
        const auto& row = cells[r];
        if (r == 21 || !in_use(table[r - 1])) {
            FUZZ_CHECK(std::all_of(row.begin(), row.end(), [](const auto& c) { return c.empty(); }),
                       "row " + std::to_string(r) + " should be blank");
            continue;
        }
        const ScoreEntry& e = table[r - 1];
        const std::string at = "row " + std::to_string(r);
        FUZZ_CHECK(row[0] == std::to_string(r), at + ": rank is not the row number");
        FUZZ_CHECK(row[1] == e.name, at + ": name cell is not the stored name");
        FUZZ_CHECK(row[2] == std::to_string(e.days) + " Days", at + ": days cell is " + row[2]);
        FUZZ_CHECK(row[3].size() > 1 && row[3][0] == '$', at + ": money cell lacks its '$'");
        check_number_text(row[3].substr(1), static_cast<double>(e.money.units) / 10000.0,
                          at + " money");
        check_number_text(row[4], e.score, at + " score");
    }
}

// Rows 1 to 20 are marked exactly when their entry's name without trailing
// blanks is the winner's name and the scores are equal; the new result is
// among them when it made the top twenty under a name that fits.
void check_marked(const ScoreTable& table, const std::vector<Placed>& model, const Pending& p) {
    const std::string& name = p.result.name;
    const double score = p.result.score;
    const std::vector<int> rows = scores::marked_rows(table, name, score);
    std::vector<int> expected;
    for (int r = 1; r <= 20; ++r) {
        const ScoreEntry& e = table[static_cast<std::size_t>(r - 1)];
        std::string trimmed = e.name;
        while (!trimmed.empty() && trimmed.back() == ' ') {
            trimmed.pop_back();
        }
        if (in_use(e) && trimmed == name && e.score == score) {
            expected.push_back(r);
        }
    }
    FUZZ_CHECK(rows == expected, "the marked rows are wrong");
    const auto given = utf8_code_points(name);
    const bool fits = given->size() <= kNameLength && (name.empty() || name.back() != ' ');
    if (p.present && possible(score, p.result.days, p.result.money.units) && fits) {
        for (int r = 1; r <= 20; ++r) {
            if (model[static_cast<std::size_t>(r - 1)].from == kEntryCount - 1) {
                FUZZ_CHECK(std::find(rows.begin(), rows.end(), r) != rows.end(),
                           "the new result in row " + std::to_string(r) + " is not marked");
            }
        }
    }
}

// The encoded table is 798 bytes; a used entry keeps its numbers byte for
// byte and its name one byte per character, an empty one is 20 blanks and 18
// zeros. Decoding it gives the table back (a character Windows-1252 lacks as
// '?', a zero as a blank) and encoding that again gives the same bytes.
void check_encoded(const ScoreTable& table, const std::vector<Placed>& model) {
    const std::string bytes = scores::encode_table(table);
    FUZZ_CHECK(bytes.size() == kFileSize, "the encoded table is not 798 bytes");
    const ScoreTable back = scores::decode_table(bytes);
    for (std::size_t n = 0; n < kEntryCount; ++n) {
        const std::string_view rec = std::string_view(bytes).substr(n * kRecordSize, kRecordSize);
        const ScoreEntry& e = table[n];
        if (!in_use(e)) {
            FUZZ_CHECK(rec == std::string(20, ' ') + std::string(18, '\0'),
                       where(n) + "an empty entry is not written as blanks and zeros");
            FUZZ_CHECK(back[n] == ScoreEntry{},
                       where(n) + "an empty entry did not read back empty");
            continue;
        }
        FUZZ_CHECK(le64(rec, 20) == std::bit_cast<std::uint64_t>(e.score),
                   where(n) + "score bytes");
        FUZZ_CHECK(static_cast<int16>(le16(rec, 28)) == e.days, where(n) + "days bytes");
        FUZZ_CHECK(static_cast<std::int64_t>(le64(rec, 30)) == e.money.units,
                   where(n) + "money bytes");
        const std::vector<char32_t> written = name_points(e, n);
        const std::vector<char32_t> read = name_points(back[n], n);
        for (std::size_t k = 0; k < kNameLength; ++k) {
            const char32_t cp = written[k];
            const auto byte = static_cast<unsigned char>(rec[k]);
            if (same_in_cp1252(cp)) {
                FUZZ_CHECK(byte == cp,
                           where(n) + "a Latin-1 character was written as another byte");
                FUZZ_CHECK(read[k] == (cp == 0 ? U' ' : cp),
                           where(n) + "a character did not survive");
            } else {
                FUZZ_CHECK(byte == '?' || (byte >= 0x80 && byte <= 0x9F),
                           where(n) + "a character outside Latin-1 was written as Latin-1");
                FUZZ_CHECK(read[k] == cp || (read[k] == U'?' && byte == '?'),
                           where(n) + "a character came back as another");
            }
        }
        FUZZ_CHECK(back[n].score == e.score && back[n].days == e.days && back[n].money == e.money,
                   where(n) + "numbers did not survive the file");
        if (model[n].from != kEntryCount - 1) {
            // Read from a file, so every character is one the file can hold.
            FUZZ_CHECK(back[n] == e, where(n) + "an entry read from a file did not survive it");
        }
    }
    // A zero byte in a name (only a typed name can hold one) comes back as a
    // blank; apart from that, encoding what was decoded gives the same bytes.
    std::string settled = bytes;
    for (std::size_t n = 0; n < kEntryCount; ++n) {
        std::replace(settled.begin() + static_cast<std::ptrdiff_t>(n * kRecordSize),
                     settled.begin() + static_cast<std::ptrdiff_t>(n * kRecordSize + kNameLength),
                     '\0', ' ');
    }
    FUZZ_CHECK(scores::encode_table(back) == settled,
               "encoding what was decoded changed the bytes");
}

// Opening the high-score window on a file holding these bytes shows the
// sorted table with the new result marked, leaves exactly that table in the
// file.
void check_opened(std::string_view file, const Pending& p, const ScoreTable& sorted) {
    const fs::path& dir = scratch_dir();
    empty_dir(dir);
    const fs::path path = dir / "Scores";
    write_file(path, file);
    const scores::HighScoreView view = scores::open_high_scores(
        path, p.present ? std::optional<scores::Result>(p.result) : std::nullopt);
    FUZZ_CHECK(view.error.empty(), "opening the table failed: " + view.error);
    FUZZ_CHECK(view.cells == scores::score_cells(sorted), "the window shows another table");
    const std::vector<int> red =
        p.present ? scores::marked_rows(sorted, p.result.name, p.result.score) : std::vector<int>();
    FUZZ_CHECK(view.red_rows == red, "the window marks other rows");
    std::ifstream in(path, std::ios::binary);
    const std::string saved{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    FUZZ_CHECK(saved == scores::encode_table(sorted), "the file does not hold the table shown");
}

} // namespace
} // namespace swoonery::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace swoonery;
    using namespace swoonery::fuzz;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view file = input.substr(0, std::min(size, scores::kFileSize));
    const Pending pending = pending_result(input.substr(file.size()));

    scores::ScoreTable table = scores::decode_table(file);
    check_decoded(file, table);

    const scores::ScoreTable read = table;
    if (pending.present) {
        scores::enter_result(table, pending.result);
    }
    check_entered(read, table, pending);

    const std::vector<Placed> model = sorted_model(table);
    scores::sort_by_score(table);
    check_sorted(table, model);

    check_cells(table, scores::score_cells(table));
    check_marked(table, model, pending);
    check_encoded(table, model);
    check_opened(file, pending, table);
    return 0;
}
