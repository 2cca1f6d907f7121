// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the file `last` and the text conversions behind it: reading the
// record from a file holding the input, turning it into the name shown on the
// set-up form, confirming a name (which rewrites the record and must keep
// what followed it), and the Windows-1252 / UTF-8 round trips.

#include "fuzz_support.h"

#include "base/text.h"
#include "core/last_file.h"
#include "driver/script.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace swoonery::fuzz {
namespace {

namespace fs = std::filesystem;

bool same_in_cp1252(char32_t cp) {
    return cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF);
}

std::string read_all(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    FUZZ_CHECK(static_cast<bool>(in), "could not read back " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every byte is one character in Windows-1252: decoding gives valid UTF-8
// with one character per byte (Latin-1 bytes as themselves), and encoding
// that again gives the very same bytes.
void check_cp1252_round_trip(std::string_view bytes) {
    const std::string text = cp1252_to_utf8(bytes);
    const auto points = utf8_code_points(text);
    FUZZ_CHECK(points.has_value(), "cp1252_to_utf8 gave invalid UTF-8 for " + escaped(bytes));
    FUZZ_CHECK(points->size() == bytes.size(), "cp1252_to_utf8 lost or added characters");
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const auto b = static_cast<unsigned char>(bytes[k]);
        if (same_in_cp1252(b)) {
            FUZZ_CHECK((*points)[k] == b, "a Latin-1 byte did not decode as itself");
        }
    }
    FUZZ_CHECK(utf8_to_cp1252(text) == bytes,
               "bytes did not survive UTF-8 and back: " + escaped(bytes));
}

// Any UTF-8 text goes to one byte per character: Latin-1 characters as
// themselves, the others as '?' or as a byte from 0x80 to 0x9F that decodes
// back to the very character.
void check_utf8_round_trip(std::string_view raw) {
    const std::string text = sanitize_utf8(raw);
    const auto points = utf8_code_points(text);
    FUZZ_CHECK(points.has_value(), "sanitize_utf8 gave invalid UTF-8 for " + escaped(raw));
    FUZZ_CHECK(is_valid_utf8(text), "is_valid_utf8 refuses what sanitize_utf8 made");
    FUZZ_CHECK(utf8_length(text) == points->size(), "utf8_length miscounts " + escaped(text));
    if (utf8_code_points(raw).has_value()) {
        FUZZ_CHECK(text == raw && is_valid_utf8(raw), "valid UTF-8 was changed or refused");
    } else {
        FUZZ_CHECK(!is_valid_utf8(raw), "is_valid_utf8 takes malformed text: " + escaped(raw));
    }
    const std::string bytes = utf8_to_cp1252(text);
    FUZZ_CHECK(bytes.size() == points->size(), "utf8_to_cp1252 is not one byte per character");
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const char32_t cp = (*points)[k];
        const auto b = static_cast<unsigned char>(bytes[k]);
        if (same_in_cp1252(cp)) {
            FUZZ_CHECK(b == cp, "a Latin-1 character was stored as another byte");
        } else if (b != '?') {
            FUZZ_CHECK(b >= 0x80 && b <= 0x9F, "a character outside Latin-1 became a Latin-1 byte");
            const std::string back = cp1252_to_utf8(bytes.substr(k, 1));
            FUZZ_CHECK(utf8_code_points(back)->front() == cp,
                       "a stored character decodes as another");
        }
    }
    const std::size_t cut = points->size() / 2;
    const std::string head = utf8_truncate(text, cut);
    FUZZ_CHECK(utf8_length(head) == cut && text.starts_with(head), "utf8_truncate cut wrongly");
}

// The record is the file's first 20 bytes, and reading leaves the file as it
// was; a link, even to a good file, reads as no record.
std::string check_read(const fs::path& dir, std::string_view input) {
    const fs::path file = dir / "last";
    write_file(file, input);
    const std::string record = read_last_record(file);
    FUZZ_CHECK(record == input.substr(0, std::min<std::size_t>(input.size(), kLastRecordBytes)),
               "the record is not the file's first 20 bytes");
    FUZZ_CHECK(read_all(file) == input, "reading the record changed the file");
    const fs::path link = dir / "linked";
    fs::create_symlink(file, link);
    FUZZ_CHECK(read_last_record(link).empty(), "a link to a file was read as the record");
    fs::remove(link);
    return record;
}

// The set-up form shows the record as UTF-8, one character per byte, a zero
// byte as a blank, trailing blanks removed, at most 20 characters, selected.
void check_shown(const SetupWindow& form, const std::string& record) {
    FUZZ_CHECK(form.saved_record == record, "the form holds another record than the file's");
    const auto points = utf8_code_points(form.saved_name);
    FUZZ_CHECK(points.has_value(), "the saved name is not UTF-8: " + escaped(form.saved_name));
    FUZZ_CHECK(points->size() == record.size(), "the saved name is not one character per byte");
    for (std::size_t k = 0; k < record.size(); ++k) {
        const auto b = static_cast<unsigned char>(record[k]);
        const char32_t want = b == 0 ? U' ' : b;
        if (b == 0 || same_in_cp1252(b)) {
            FUZZ_CHECK((*points)[k] == want, "a name byte was shown as another character");
        }
    }
    const std::string& shown = form.name.text;
    const auto shown_points = utf8_code_points(shown);
    FUZZ_CHECK(shown_points.has_value(), "the name box is not UTF-8: " + escaped(shown));
    FUZZ_CHECK(shown_points->size() <= kLastRecordBytes, "the name box holds over 20 characters");
    std::string expected = form.saved_name;
    while (!expected.empty() && expected.back() == ' ') {
        expected.pop_back();
    }
    FUZZ_CHECK(shown == expected, "the name box is not the saved name without trailing blanks");
    FUZZ_CHECK(form.name.sel_start == 0 &&
                   form.name.sel_length == static_cast<int>(shown_points->size()),
               "the name in the box is not selected in full");
}

// Confirming a name stores it as 20 Windows-1252 bytes padded with blanks;
// whatever the file held past its record stays. An empty box stores nothing.
void check_confirmed(driver::ScriptRunner& runner, const fs::path& dir, std::string_view input) {
    const std::string typed =
        input.size() > kLastRecordBytes
            ? sanitize_utf8(input.substr(kLastRecordBytes))
            : runner.game().setup_form()->name.text; // the shown name, confirmed again
    const InputResult t = runner.game().type(Window::Setup, Control::Name, typed);
    FUZZ_CHECK(t.ok(), "typing into the name box failed: " + t.reason);
    const std::string in_box = runner.game().setup_form()->name.text;
    const InputResult ok = runner.game().click(Window::Setup, Control::Ok);
    FUZZ_CHECK(ok.ok(), "OK on the set-up form failed: " + ok.reason);
    const std::string now = read_all(dir / "last");
    if (in_box.empty()) {
        FUZZ_CHECK(now == input, "confirming an empty name box changed the file");
        return;
    }
    // A name of blanks only is a name: it is stored as 20 blanks.
    const std::string name = trim_blanks(in_box);
    std::string record = utf8_to_cp1252(name);
    FUZZ_CHECK(record.size() <= kLastRecordBytes, "a confirmed name is over 20 characters");
    record.resize(kLastRecordBytes, ' ');
    const std::string kept = input.size() > kLastRecordBytes
                                 ? std::string(input.substr(kLastRecordBytes))
                                 : std::string();
    FUZZ_CHECK(now == record + kept,
               "the file after confirming is not the new record and the old rest");
    FUZZ_CHECK(read_last_record(dir / "last") == record, "the confirmed name does not read back");
}

} // namespace
} // namespace swoonery::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace swoonery;
    using namespace swoonery::fuzz;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    check_cp1252_round_trip(input);
    check_utf8_round_trip(input);

    const std::filesystem::path& dir = scratch_dir();
    empty_dir(dir);
    const std::string record = check_read(dir, input);

    driver::ScriptRunner runner(dir);
    const InputResult started = runner.game().start();
    FUZZ_CHECK(started.ok(), "the program did not start: " + started.reason);
    const SetupWindow* form = runner.game().setup_form();
    FUZZ_CHECK(form != nullptr && form->visible, "the set-up form is not shown");
    check_shown(*form, record);
    check_confirmed(runner, dir, input);
    return 0;
}
