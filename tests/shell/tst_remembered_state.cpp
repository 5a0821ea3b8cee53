#include "shell/remembered_state.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The settings kept between runs, each run in a file of the test's own: what is written
// comes back, and damage costs only the values it touched.
class TestRememberedState : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file() const { return m_dir.filePath("settings.ini"); }

    void writeRaw(const QByteArray& bytes)
    {
        QFile out(file());
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }

    static RememberedState full()
    {
        return {QRect(-1280, 40, 700, 650), true, "DecimalIpCalc", true, {"/p/a.ferolplan"}};
    }

private slots:
    void init() { QFile::remove(file()); }

    // Written over what an earlier run left, with plan paths that a list in a settings
    // file could split or garble.
    void writtenStateComesBack()
    {
        RememberedState state = full();
        state.recentPlans = {"/p/one, with comma.ferolplan", "/p/z\u00fcrich.ferolplan", "x"};
        {
            QSettings settings(file(), QSettings::IniFormat);
            WriteRememberedState(settings, full());
            WriteRememberedState(settings, state);
        }
        const QSettings settings(file(), QSettings::IniFormat);
        QCOMPARE(ReadRememberedState(settings), state);
    }

    void damageCostsOnlyWhatItTouched_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<RememberedState>("expected");
        const QByteArray good = "[window]\nx=10\ny=20\nwidth=700\nheight=650\nmaximized=false\n"
                                "tab=Ferol\n[subnet]\nrfc3021=true\n";
        const RememberedState read{QRect(10, 20, 700, 650), false, "Ferol", true, {}};
        QTest::newRow("intact") << good << read;

        RememberedState noGeometry = read;
        noGeometry.geometry.reset();
        QByteArray wordWidth = good;
        QTest::newRow("width a word") << wordWidth.replace("width=700", "width=wide") << noGeometry;

        RememberedState rfcOff = read;
        rfcOff.rfc3021 = false;
        QByteArray yes = good;
        QTest::newRow("box yes") << yes.replace("rfc3021=true", "rfc3021=yes") << rfcOff;

        RememberedState plans;
        plans.recentPlans = {"a", "b", "c", "d", "e", "f", "g", "h"};
        QTest::newRow("plans repeated and too many")
            << QByteArray("[planner]\nrecent=a, b, a, , c, d, e, f, g, h, i\n") << plans;
        QTest::newRow("random bytes")
            << QByteArray("\x89\xff\0[\n=\x01\xfe]]==\n\0\0", 16) << RememberedState{};
        QTest::newRow("empty") << QByteArray() << RememberedState{};
    }

    void damageCostsOnlyWhatItTouched()
    {
        QFETCH(QByteArray, contents);
        QFETCH(RememberedState, expected);
        writeRaw(contents);
        QSettings settings(file(), QSettings::IniFormat);
        QCOMPARE(ReadRememberedState(settings), expected);
        // And the next run reads what this one wrote over the damage.
        WriteRememberedState(settings, full());
        const QSettings again(file(), QSettings::IniFormat);
        QCOMPARE(ReadRememberedState(again), full());
    }

    void windowKeptOnScreens_data()
    {
        QTest::addColumn<QRect>("remembered");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("placed");
        const QRect primary(0, 0, 1920, 1080);
        const QRect left(-1280, 0, 1280, 1024);
        QTest::newRow("on the left screen")
            << QRect(-1200, 10, 700, 650) << QList{primary, left} << QRect(-1200, 10, 700, 650);
        QTest::newRow("left screen gone")
            << QRect(-1200, 10, 700, 650) << QList{primary} << QRect(609, 214, 700, 650);
        QTest::newRow("hanging off the right")
            << QRect(1800, 500, 700, 650) << QList{primary} << QRect(1220, 430, 700, 650);
        QTest::newRow("larger than the screen")
            << QRect(-10, -10, 3000, 2000) << QList{primary} << primary;
    }

    void windowKeptOnScreens()
    {
        QFETCH(QRect, remembered);
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, placed);
        QCOMPARE(KeptOnScreens(remembered, screens), placed);
    }
};

QTEST_GUILESS_MAIN(TestRememberedState)
#include "tst_remembered_state.moc"
