// Small helpers the fuzz targets share: reading fuzz bytes as choices and
// texts, and a check that aborts (libFuzzer and the corpus replay report it).
#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// Takes bytes off the front of the input.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte() { return m_size ? (--m_size, *m_data++) : 0; }
    template <typename T>
    T raw()
    {
        T value{};
        const std::size_t n = m_size < sizeof(T) ? m_size : sizeof(T);
        std::memcpy(&value, m_data, n);
        m_data += n;
        m_size -= n;
        return value;
    }
    // A text up to the next NUL byte (or the end), decoded as UTF-8.
    QString text()
    {
        std::size_t n = 0;
        while (n < m_size && m_data[n] != 0)
            ++n;
        const QString t = QString::fromUtf8(reinterpret_cast<const char*>(m_data), qsizetype(n));
        const std::size_t used = n < m_size ? n + 1 : n;
        m_data += used;
        m_size -= used;
        return t;
    }
    QByteArray rest()
    {
        QByteArray r(reinterpret_cast<const char*>(m_data), qsizetype(m_size));
        m_data += m_size;
        m_size = 0;
        return r;
    }
    bool empty() const { return m_size == 0; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};
