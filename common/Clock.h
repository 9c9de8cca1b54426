#pragma once
// "Today" for the program; tests put a clock of their own in its place.
#include <QDate>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const { return QDate::currentDate(); }

    static const Clock& instance() { return *current(); }
    // nullptr puts back the system clock.
    static void setInstance(const Clock* c) { current() = c ? c : system(); }

private:
    static const Clock* system()
    {
        static const Clock s;
        return &s;
    }
    static const Clock*& current()
    {
        static const Clock* c = system();
        return c;
    }
};
