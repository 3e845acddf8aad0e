// Where shipped files are looked for, checked with files placed in each folder.
#include "document/data_location.h"
#include "qt_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

using orvanta::CurrentFolder;
using orvanta::locateDataFile;

const QString testFile = QStringLiteral("data/orvanta-location-test.txt");

enum class Place { Nowhere, Current, Program, ShareBesideProgram };

class DataLocation : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(work.path()));
    }
    void TearDown() override { QDir::setCurrent(previous); }

    static QString programFolder() { return QCoreApplication::applicationDirPath(); }
    static QString shareFolder() { return QDir::cleanPath(programFolder() + "/../share/orvanta"); }

    // Where the search is tried out: an installation of its own under the
    // temporary folder, never the build tree.
    QString placedProgramFolder() const { return work.path() + "/prefix/bin"; }

    // The path locateDataFile is expected to return for a file found at `place`.
    QString expectedPath(Place place) const {
        switch (place) {
        case Place::Nowhere:
        case Place::Current:
            return testFile;
        case Place::Program:
            return placedProgramFolder() + "/" + testFile;
        case Place::ShareBesideProgram:
            return work.path() + "/prefix/share/orvanta/" + testFile;
        }
        return {};
    }

    void place(Place where) {
        const QString path =
            where == Place::Current ? QDir(work.path()).filePath(testFile) : expectedPath(where);
        ASSERT_TRUE(orvanta::test_support::writeFile(path, "1\ta\tq\n"));
        placed << path;
    }

    int argc = 1;
    char name[20] = "data_location_test";
    char *argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    QTemporaryDir work;
    QString previous;
    QStringList placed;
};

struct SearchCase {
    const char *name;
    std::vector<Place> copies;
    CurrentFolder current;
    Place found;
};

TEST_F(DataLocation, SearchOrder) {
    const std::vector<SearchCase> cases = {
        {"nowhere: the name comes back for the error", {}, CurrentFolder::Search, Place::Nowhere},
        {"current folder", {Place::Current}, CurrentFolder::Search, Place::Current},
        {"current folder skipped", {Place::Current}, CurrentFolder::Skip, Place::Nowhere},
        {"beside the program", {Place::Program}, CurrentFolder::Search, Place::Program},
        {"moved installation",
         {Place::ShareBesideProgram},
         CurrentFolder::Search,
         Place::ShareBesideProgram},
        {"current folder before the program's",
         {Place::Program, Place::Current},
         CurrentFolder::Search,
         Place::Current},
        {"program's folder when the current one is skipped",
         {Place::Program, Place::Current},
         CurrentFolder::Skip,
         Place::Program},
        {"program's folder before the share folder",
         {Place::ShareBesideProgram, Place::Program},
         CurrentFolder::Search,
         Place::Program},
    };
    for (const SearchCase &row : cases) {
        SCOPED_TRACE(row.name);
        for (Place copy : row.copies)
            place(copy);
        EXPECT_EQ(locateDataFile(testFile, row.current, placedProgramFolder()),
                  expectedPath(row.found));
        for (const QString &path : placed)
            QFile::remove(path);
        placed.clear();
    }
}

TEST_F(DataLocation, FoldersRunFromTheUsersToTheSourceTree) {
    const QStringList folders = orvanta::dataFolders();
    ASSERT_GE(folders.size(), 5);
    EXPECT_EQ(folders[0], QDir::currentPath());
    EXPECT_EQ(folders[1], programFolder());
    EXPECT_EQ(folders[2], shareFolder());
    // This test runs from its build tree, so the sources come last.
    EXPECT_EQ(QFileInfo(folders.last()).canonicalFilePath(),
              QFileInfo(QStringLiteral(ORVANTA_SOURCE_DIR)).canonicalFilePath());
    EXPECT_EQ(folders.size(), QSet<QString>(folders.begin(), folders.end()).size());
}

TEST_F(DataLocation, ShippedFilesAreFoundFromAnyFolder) {
    for (const char *file : {orvanta::britishDictionaryFile, orvanta::americanDictionaryFile,
                             orvanta::userGuideFile}) {
        SCOPED_TRACE(file);
        const QFileInfo found(locateDataFile(QString::fromLatin1(file)));
        EXPECT_TRUE(found.isAbsolute());
        EXPECT_TRUE(found.isFile());
    }
}

TEST_F(DataLocation, CurrentFolderIsListedOnceWhenItIsTheProgramsOwn) {
    ASSERT_TRUE(QDir::setCurrent(programFolder()));
    const QStringList folders = orvanta::dataFolders();
    EXPECT_EQ(folders.count(programFolder()), 1);
    EXPECT_EQ(folders.value(1), shareFolder());
}

} // namespace
