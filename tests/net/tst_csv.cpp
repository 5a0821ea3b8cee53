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
        QTest::newRow("quoting") << Records{{"Sales, Berlin", "the \"lab\"", "\"", "\"a\",b",
                                             " lead", "trail ", "floor 1\nfloor 2", "a\r\nb",
                                             "c\rd"}};
        QTest::newRow("one empty field") << Records{{"x"}, {""}, {"y"}};
        QTest::newRow("UTF-8") << Records{{"Z\u00fcrich \u2013 \u6771\u4eac", "\U0001F4E1"}};
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
