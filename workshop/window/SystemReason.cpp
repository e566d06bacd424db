#include <workshop/window/SystemReason.h>

#include <textfile/SystemReason.h>

namespace workshop {

QString systemReason(int errorNumber)
{
    return QString::fromStdString(textfile::systemReason(errorNumber));
}

}  // namespace workshop
