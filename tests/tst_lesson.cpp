// Lesson files: what the program writes comes back as it was, a teacher's own
// file is read as meant, and every file that is not a lesson is refused whole
// with one line saying why.
#include "model/lesson.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Place {
    File,       // the content in a file
    Missing,    // no file at all
    Folder,     // a folder of that name
    Pipe,       // a named pipe, which nobody writes to
    Unreadable, // the content in a file its reader may not read
};

Lesson lessonOf(std::optional<Growth> model, std::array<const char *, ParameterBoxCount> entries)
{
    Lesson lesson;
    lesson.model = model;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i])
            lesson.entries[i] = entries[i];
    return lesson;
}

} // namespace

Q_DECLARE_METATYPE(Lesson)
Q_DECLARE_METATYPE(Place)

class TestLesson : public QObject
{
    Q_OBJECT

private slots:
    void writtenAndReadBack_data();
    void writtenAndReadBack();
    void handWrittenFile();
    void refusedFiles_data();
    void refusedFiles();
};

void TestLesson::writtenAndReadBack_data()
{
    QTest::addColumn<Lesson>("lesson");
    const auto logistic = Growth::Logistic, exponential = Growth::Exponential;
    QTest::addRow("all of it") << lessonOf(logistic, {"100", "0.2", "500", "10", "65"});
    QTest::addRow("exponential, no K")
        << lessonOf(exponential, {"1E3", "0.05", nullptr, "0", "2000"});
    QTest::addRow("run length only") << lessonOf({}, {nullptr, nullptr, nullptr, nullptr, "65.0"});
    QTest::addRow("nothing") << Lesson{};
}

void TestLesson::writtenAndReadBack()
{
    QFETCH(Lesson, lesson);
    const std::string text = writeLesson(lesson);
    // A teacher opening it sees what it is before any value.
    QVERIFY(text.starts_with("# A lesson for Tarnwick (Basic)"));
    QVERIFY(text.find("#   K        the carrying capacity K") != std::string::npos);
    const LessonReading reading = readLesson(text);
    QCOMPARE(QString::fromStdString(reading.error.text()), QString());
    QVERIFY(reading.lesson == lesson);
}

void TestLesson::handWrittenFile()
{
    // Windows line ends, a byte-order mark, both kinds of comment, blanks and tabs,
    // keys and model in any case.
    const std::string text = "\xEF\xBB\xBF# Week 3: the harvest that ends a fishery\r\n"
                             "\r\n"
                             "[ Lesson ]\r\n"
                             "; the class starts here\r\n"
                             "Version=1\r\n"
                             "\tMODEL = Exponential\r\n"
                             "N0 =  250 \r\n"
                             "h = 12.5\r\n"
                             "t=30";
    const LessonReading reading = readLesson(text);
    QCOMPARE(QString::fromStdString(reading.error.text()), QString());
    QVERIFY(reading.lesson
            == lessonOf(Growth::Exponential, {"250", nullptr, nullptr, "12.5", "30"}));
}

void TestLesson::refusedFiles_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("said");
    const QByteArray head = "# Lesson of week 2\n\n[lesson]\nversion = 1\n";
    const auto file = Place::File;
    // clang-format off
    QTest::addRow("empty") << file << QByteArray("\n \n")
        << "lesson.tarnwick: the file is empty";
    QTest::addRow("comments only") << file << QByteArray("# [lesson]\n")
        << "lesson.tarnwick: no [lesson] section";
    QTest::addRow("truncated value") << file << head + "n0 = 100\nr ="
        << "lesson.tarnwick: line 6: r has no value";
    QTest::addRow("truncated section") << file << QByteArray("[less")
        << "lesson.tarnwick: line 1: [less is not a section line (no closing ])";
    QTest::addRow("binary") << file << QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0", 10)
        << "lesson.tarnwick: line 1: holds control characters; a lesson file is plain text";
    QTest::addRow("Latin-1") << file << head + "# Gr\xF6\xDF" "e\n"
        << "lesson.tarnwick: line 5: is not UTF-8 text; save the file as UTF-8";
    QTest::addRow("overlong UTF-8") << file << head + "# \xC0\xAF\n"
        << "lesson.tarnwick: line 5: is not UTF-8 text; save the file as UTF-8";
    QTest::addRow("wrong version") << file << QByteArray("[lesson]\nversion = 2\nseed = 4\n")
        << "lesson.tarnwick: version 2 is not one this program reads (1)";
    QTest::addRow("no version") << file << QByteArray("[lesson]\nr = 0.2\n")
        << "lesson.tarnwick: the [lesson] section has no version = 1";
    QTest::addRow("K 0") << file << head + "r = 0.2\nK = 0\n"
        << "lesson.tarnwick: line 6: K = 0 is not above 0";
    QTest::addRow("H negative") << file << head + "H = -1\n"
        << "lesson.tarnwick: line 5: H = -1 is below 0";
    QTest::addRow("T too long") << file << head + "T = 3000\n"
        << "lesson.tarnwick: line 5: T = 3000 is not a whole number from 1 to 2000";
    QTest::addRow("T fraction") << file << head + "T = 12.5\n"
        << "lesson.tarnwick: line 5: T = 12.5 is not a whole number from 1 to 2000";
    QTest::addRow("decimal comma") << file << head + "r = 0,2\n"
        << "lesson.tarnwick: line 5: r = 0,2 is not a number";
    QTest::addRow("long value cut") << file << head + "n0 = " + QByteArray(60, 'x') + "\n"
        << "lesson.tarnwick: line 5: n0 = " + QString(40, 'x') + "… is not a number";
    QTest::addRow("r twice") << file << QByteArray("[lesson]\nversion = 1\nr = 0.2\nR = 0.3\n")
        << "lesson.tarnwick: line 4: r is given twice";
    QTest::addRow("unknown key") << file << head + "harvest = 10\n"
        << "lesson.tarnwick: line 5: unknown key harvest; a lesson has version, model, n0, r, K, H, T";
    QTest::addRow("outside the section") << file << "n0 = 100\n" + head
        << "lesson.tarnwick: line 1: n0 = 100 is outside the [lesson] section";
    QTest::addRow("another section") << file << head + "[game]\n"
        << "lesson.tarnwick: line 5: [game] is not a section this program reads ([lesson])";
    QTest::addRow("second section") << file << head + "[lesson]\n"
        << "lesson.tarnwick: line 5: a second [lesson] section";
    QTest::addRow("no =") << file << head + "r 0.2\n"
        << "lesson.tarnwick: line 5: r 0.2 is not a line of the form key = value";
    QTest::addRow("unknown model") << file << head + "model = gompertz\n"
        << "lesson.tarnwick: line 5: model = gompertz is not logistic or exponential";
    QTest::addRow("K after exponential") << file << head + "model = exponential\nK = 500\n"
        << "lesson.tarnwick: line 6: K = 500, but the exponential model has no K";
    QTest::addRow("K before exponential") << file << head + "K = 500\nmodel = exponential\n"
        << "lesson.tarnwick: line 6: the exponential model has no K, but line 5 gives one";
    QTest::addRow("too large") << file << head + QByteArray(70000, '#')
        << "lesson.tarnwick: is larger than a lesson file can be (64 KiB)";
    QTest::addRow("missing") << Place::Missing << QByteArray()
        << "lesson.tarnwick: no such file";
    QTest::addRow("folder") << Place::Folder << QByteArray()
        << "lesson.tarnwick: is a folder, not a lesson file";
    QTest::addRow("pipe") << Place::Pipe << QByteArray()
        << "lesson.tarnwick: is not a regular file";
    QTest::addRow("no permission") << Place::Unreadable << head
        << "lesson.tarnwick: cannot be read: permission denied";
    // clang-format on
}

void TestLesson::refusedFiles()
{
    QFETCH(Place, place);
    QFETCH(QByteArray, content);
    QFETCH(QString, said);
    if (place == Place::Unreadable && ::geteuid() == 0)
        QSKIP("root reads every file");
    const QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("lesson.tarnwick"));
    if (place == Place::Folder)
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("lesson.tarnwick")));
    if (place == Place::Pipe)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (place == Place::File || place == Place::Unreadable) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
        file.close();
        if (place == Place::Unreadable)
            QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
    }
    const LessonReading reading = readLessonFile(path.toStdString(), "lesson.tarnwick");
    QCOMPARE(QString::fromStdString(reading.error.text()), said);
    QVERIFY(!reading.lesson);
}

QTEST_GUILESS_MAIN(TestLesson)
#include "tst_lesson.moc"
