#pragma once

// A seeded stream of the things a careless or hostile user does to a panel: typed keys
// (digits, non-ASCII digits, editing keys, shortcuts), pastes by Shift+Insert and by the
// context menu, input-method commits, huge texts, scroll bar values, focus moves and
// button clicks. The seed is printed; FEROL_HOSTILE_SEED replays a run.

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// A whole number 0 to 255 written plainly, for patterns of result texts.
inline const QString kOctetPattern = QStringLiteral("(25[0-5]|2[0-4][0-9]|1?[0-9]?[0-9])");

// Shows the panel and does steps random things to it, asking problems(focused, keys) after
// each one what is wrong now (empty when nothing): focused is the widget that had the focus,
// keys whether the step pressed and released keys in it. Returns the first answer that is not
// empty, with the seed and the last steps taken; empty when there was none.
QString RunHostileInput(QWidget* panel, int steps,
                        const std::function<QString(QWidget*, bool)>& problems);

// For each rule (names, pattern): the panel's children whose names match names and whose
// text pattern does not match as a whole, with their texts; empty when all match.
QString TextsNotMatching(const QWidget* panel, const QList<std::pair<QString, QString>>& rules);
