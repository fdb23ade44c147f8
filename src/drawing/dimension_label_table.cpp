#include "drawing/dimension_label_table.h"

DimensionLabelTable::DimensionLabelTable()
{
    m_entries[0] = {QStringLiteral("0"), QStringLiteral("-"), QStringLiteral("-")};
}

void DimensionLabelTable::setLabel(const QString& index, const QString& x, const QString& y, const QString& text)
{
    bool ok = false;
    const int i = index.toInt(&ok);
    if (!ok || i < 0 || i >= Size)
        return;
    m_entries[std::size_t(i)] = {x, y, text};
}

void DimensionLabelTable::setLabels(const std::vector<DimensionLabel>& labels)
{
    const int n = std::min(int(labels.size()), Size - 1);
    setLabel(QStringLiteral("0"), QString::number(n), QStringLiteral("-"), QStringLiteral("-"));
    for (int i = 0; i < n; ++i)
        setLabel(QString::number(i + 1), QString::number(labels[std::size_t(i)].x),
                 QString::number(labels[std::size_t(i)].y), labels[std::size_t(i)].text);
}

int DimensionLabelTable::count() const
{
    bool ok = false;
    const int n = m_entries[0].x.toInt(&ok);
    return ok ? std::clamp(n, 0, Size - 1) : 0;
}
