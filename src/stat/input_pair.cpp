#include "input_pair.h"

#include <QByteArray>

namespace kalvo {

ValuePair readInputPair(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return scanPair(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace kalvo
