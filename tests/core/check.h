#pragma once
// A few lines of test harness for the builds without Qt: named checks, a count, and the closing
// line CTest's readers know.

#include <cstdio>
#include <string>

namespace test {

inline int passed = 0;
inline int failed = 0;

template <typename A, typename B>
void expectEqual(const std::string& what, const A& actual, const B& expected)
{
    if (actual == expected) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAIL %s\n", what.c_str());
}

inline int summary()
{
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

}  // namespace test
