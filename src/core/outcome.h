#pragma once

// What a step that can fail gives back: on success the value it made (a folder's or a
// file's path, or nothing), on failure the message for the user, which names what
// failed and where.

#include <QString>

#include <utility>

struct Outcome
{
    QString value;
    QString error;

    bool ok() const { return error.isEmpty(); }
    static Outcome success(QString value = {}) { return {std::move(value), {}}; }
    static Outcome failure(QString message) { return {{}, std::move(message)}; }
};
