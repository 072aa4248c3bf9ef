#pragma once

#include "model/RandomSource.h"

#include <QList>

// Hands out the given numbers in turn, starting again after the last.
class ScriptedRandomSource : public talmo::RandomSource
{
public:
    explicit ScriptedRandomSource(QList<int> numbers) : m_numbers(std::move(numbers)) {}

    int Bounded(int limit) override
    {
        lastLimit = limit;
        return m_numbers[m_next++ % m_numbers.size()];
    }

    int lastLimit = 0;

private:
    QList<int> m_numbers;
    qsizetype m_next = 0;
};
