// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The generator program: the same bytes on every run, and the build's asset
// folder holds exactly what the current generator makes.
#include "asset_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <map>
#include <set>
#include <string>

namespace {

// File name (relative to `root`) -> contents, for every file below it.
std::map<QString, QByteArray> contents(const QString& root) {
    std::map<QString, QByteArray> all;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) {
            all[base.relativeFilePath(path)] = f.readAll();
        }
    }
    return all;
}

// Runs the generator; returns its exit code, or -1 if it crashed or hung.
int runWith(const QStringList& args, QString* output) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(assettest::generatorPath(), args);
    const bool finished = p.waitForFinished(180000);
    *output = QString::fromLocal8Bit(p.readAll());
    return finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool runGenerator(const QString& folder, QString* output) {
    return runWith({folder}, output) == 0;
}

// The names in `a` and not in `b`, and the other way round; empty when the sets agree.
std::string differences(const std::set<QString>& a, const std::set<QString>& b) {
    std::string out;
    for (const QString& n : a) {
        out += b.count(n) ? "" : " only in the first: " + n.toStdString();
    }
    for (const QString& n : b) {
        out += a.count(n) ? "" : " only in the second: " + n.toStdString();
    }
    return out;
}

// Two runs of the generator write byte-identical files, and the same ones the build left.
TEST(Generator, IsDeterministic) {
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    QString log;
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(runGenerator(first.path(), &log)) << log.toStdString();
    const qint64 ms = timer.elapsed();
    ASSERT_TRUE(runGenerator(second.path(), &log)) << log.toStdString();
    RecordProperty("generator_ms", static_cast<int>(ms));

    const auto a = contents(first.path());
    const auto b = contents(second.path());
    ASSERT_FALSE(a.empty());
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        const auto other = b.find(name);
        ASSERT_NE(other, b.end()) << name.toStdString();
        EXPECT_TRUE(bytes == other->second) << name.toStdString() << " differs between runs";
    }
    // The build folder also holds the game itself: compare only the generator's files.
    const QDir built(assettest::assetDir());
    for (const auto& [name, bytes] : a) {
        QFile f(built.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString() << " missing from the build";
        EXPECT_TRUE(f.readAll() == bytes) << name.toStdString() << " in the build is out of date";
    }
}

// Everything the game's list names is made by the generator, nothing else is, and the
// build expects exactly those files.
TEST(Generator, WritesExactlyTheGamesFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString log;
    ASSERT_TRUE(runGenerator(dir.path(), &log)) << log.toStdString();
    std::set<QString> expected;
    for (const auto& p : assettest::expectedPictures()) {
        expected.insert(p.file);
    }
    for (const auto& p : assettest::expectedExtraPictures()) {
        expected.insert(p.file);
    }
    for (const QString& s : assettest::expectedSounds()) {
        expected.insert("sounds/" + s);
    }
    for (const auto& i : assettest::icons()) {
        expected.insert(i.file);
    }
    std::set<QString> written;
    for (const auto& [name, bytes] : contents(dir.path())) {
        written.insert(name);
    }
    EXPECT_EQ(differences(written, expected), "") << "written, and the game's list";

    QFile list(assettest::buildFileList());
    ASSERT_TRUE(list.open(QIODevice::ReadOnly | QIODevice::Text));
    std::set<QString> built;
    for (const QString& line : QString::fromUtf8(list.readAll()).split('\n', Qt::SkipEmptyParts)) {
        EXPECT_TRUE(built.insert(line).second) << line.toStdString() << " listed twice";
    }
    EXPECT_EQ(differences(built, written), "") << "the build's outputs, and written";
}

// A folder that cannot be created is reported as a failure, not silently skipped.
TEST(Generator, FailsWhenItCannotWrite) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile blocker(QDir(dir.path()).filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString log;
    EXPECT_FALSE(runGenerator(QDir(dir.path()).filePath("blocked/assets"), &log));
}

// The contact sheet option draws every picture into one PNG, and writes nothing else.
TEST(Generator, DrawsAContactSheet) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString sheet = QDir(dir.path()).filePath("sheet.png");
    QString log;
    ASSERT_EQ(runWith({"--contact-sheet", sheet}, &log), 0) << log.toStdString();
    const QImage img(sheet);
    ASSERT_FALSE(img.isNull());
    // Room for the logo at twice its size, at least.
    EXPECT_GE(img.width(), 2 * 293);
    EXPECT_GE(img.height(), 2 * 272);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"sheet.png"});
}

// Without a folder or with an unknown option the generator prints its usage and fails.
TEST(Generator, RejectsBadArguments) {
    QString log;
    EXPECT_EQ(runWith({}, &log), 2);
    EXPECT_TRUE(log.contains("usage"));
    EXPECT_EQ(runWith({"--frobnicate", "x"}, &log), 2);
}

} // namespace
