#pragma once

#include <QRandomGenerator>

#include <memory>

namespace talmo {

// Where the project model draws the numbers of its generated names (disk
// comments, CopyFiles section captions). Tests put in a scripted source so
// fixtures come out the same every run.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A number from 0 to limit - 1.
    virtual int Bounded(int limit) = 0;
};

// The everyday source: a generator seeded from the clock.
class ClockSeededRandomSource : public RandomSource
{
public:
    ClockSeededRandomSource();
    int Bounded(int limit) override;

private:
    QRandomGenerator m_generator;
};

} // namespace talmo
