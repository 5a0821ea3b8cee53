#include "net/csv_text.h"
#include "support/python_csv.h"

#include <QTest>

#include <string>
#include <vector>

using Records = QList<QStringList>;

namespace {

std::vector<std::vector<std::string>> Std(const Records& records)
{
    std::vector<std::vector<std::string>> out;
    for (const QStringList& record : records) {
        out.emplace_back();
        for (const QString& field : record)
            out.back().push_back(field.toStdString());
    }
    return out;
}

} // namespace

// Plan answers written for spreadsheets come back from a real CSV reader field for field.
class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void readerGetsEveryFieldBack_data()
    {
        QTest::addColumn<Records>("records");
        QTest::newRow("comma") << Records{{"Sales, Berlin", "10.0.0.0/26"}};
        QTest::newRow("quotes") << Records{{"the \"lab\"", "\"", "\"\""}};
        QTest::newRow("line feed") << Records{{"floor 1\nfloor 2", "x"}};
        QTest::newRow("CR LF and lone CR") << Records{{"a\r\nb", "c\rd"}};
        QTest::newRow("blanks kept") << Records{{" lead", "trail ", "  "}};
        QTest::newRow("one empty field") << Records{{"x"}, {""}, {"y"}};
        QTest::newRow("UTF-8") << Records{{"Z\u00fcrich \u2013 \u6771\u4eac", "\U0001F4E1"}};
        QTest::newRow("looks quoted") << Records{{"\"a\",b", "a\"\"b"}};
    }

    void readerGetsEveryFieldBack()
    {
        QFETCH(Records, records);
        const auto std = Std(records);
        const std::string text = net::CsvTable(std);
        QCOMPARE(ReadCsvByPython(QByteArray::fromStdString(text)), records);
    }

    // What the RFC fixes beyond what a lenient reader forgives: CR LF after each record,
    // and plain fields left as they are.
    void recordsAsTheRfcWritesThem_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("plain") << QStringList{"10.0.0.0/26", "50"}
                               << QByteArray("10.0.0.0/26,50\r\n");
        QTest::newRow("quote") << QStringList{"a\"b", "c"} << QByteArray("\"a\"\"b\",c\r\n");
        QTest::newRow("line feed") << QStringList{"a\nb"} << QByteArray("\"a\nb\"\r\n");
    }

    void recordsAsTheRfcWritesThem()
    {
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, text);
        QCOMPARE(QByteArray::fromStdString(net::CsvRecord(Std({fields}).front())), text);
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
