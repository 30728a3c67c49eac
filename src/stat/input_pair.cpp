#include "input_pair.h"

#include <QByteArray>

namespace kalvo {
namespace {

std::string_view view(const QByteArray& bytes)
{
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

ValuePair readInputPair(const QString& text)
{
    return scanPair(view(text.toLatin1()));
}

bool startsWithNumber(const QString& text)
{
    std::size_t position = 0;
    return scanDouble(view(text.toLatin1()), position).has_value();
}

} // namespace kalvo
