#pragma once

// Tables of one routine's cases: Cases() adds the columns "in" and "out" and a row per
// case named by its input; Check() runs the routine on a row.

#include <QTest>

#include <initializer_list>
#include <utility>

template <typename In, typename Out> void Cases(std::initializer_list<std::pair<In, Out>> cases)
{
    QTest::addColumn<In>("in");
    QTest::addColumn<Out>("out");
    for (const auto& [in, out] : cases) {
        QString name = QVariant(in).toString().replace('\t', "\\t").replace('\n', "\\n");
        if (name.size() > 20)
            name = name.left(8) + "..." + name.right(8);
        QTest::addRow("'%s'", qPrintable(name)) << in << out;
    }
}

template <typename In, typename Out, typename Routine> void Check(Routine routine)
{
    QFETCH(In, in);
    QFETCH(Out, out);
    QCOMPARE(Out(routine(in)), out);
}
