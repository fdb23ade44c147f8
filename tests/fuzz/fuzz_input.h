// FUZZ_TARGET(in) defines a fuzz entry point over a FuzzInput, which hands out the input's bytes as
// choices, numbers and texts. FUZZ_CHECK aborts, which libFuzzer and the corpus replay both report.
#pragma once

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#define FUZZ_CHECK(c)                                                                              \
    ((c) ? void() : (std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #c), std::abort()))

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte() { return raw<std::uint8_t>(); }
    template <typename T>
    T raw()
    {
        T value{};
        const std::size_t n = std::min(m_size, sizeof(T));
        if (n)
            std::memcpy(&value, m_data, n);
        take(n);
        return value;
    }
    // A text up to the next NUL byte (or the end), decoded as UTF-8.
    QString text()
    {
        const auto* end = static_cast<const std::uint8_t*>(m_size ? std::memchr(m_data, 0, m_size) : nullptr);
        const std::size_t n = end ? std::size_t(end - m_data) : m_size;
        const QString t = QString::fromUtf8(reinterpret_cast<const char*>(m_data), qsizetype(n));
        take(end ? n + 1 : n);
        return t;
    }
    // The next n bytes (fewer at the end), not copied: valid while the input is.
    QByteArray bytes(std::size_t n)
    {
        n = std::min(n, m_size);
        const auto r = QByteArray::fromRawData(reinterpret_cast<const char*>(m_data), qsizetype(n));
        take(n);
        return r;
    }
    QByteArray rest() { return bytes(m_size); }

private:
    void take(std::size_t n) { m_data += n, m_size -= n; }
    const std::uint8_t* m_data;
    std::size_t m_size;
};

#define FUZZ_TARGET(in)                                                                            \
    static void fuzzOne(FuzzInput&& in);                                                           \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) { return fuzzOne({d, n}), 0; } \
    static void fuzzOne(FuzzInput&& in)
