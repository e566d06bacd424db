#include <training/drill/Threshold.h>

namespace drill {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

double Threshold::parse(const std::string& text)
{
    double value = 0;
    double scale = 1;  // weight of the next digit after the point; 1 before the point
    bool negative = false;
    bool signAllowed = true;
    bool pointSeen = false;
    for (char c : text) {
        if (isBlank(c))
            continue;
        if (signAllowed && (c == '-' || c == '+')) {
            negative = c == '-';
            signAllowed = false;
        } else if (isDigit(c)) {
            signAllowed = false;
            if (pointSeen) {
                scale /= 10;
                value += (c - '0') * scale;
            } else {
                value = value * 10 + (c - '0');
            }
        } else if (c == '.' && !pointSeen) {
            signAllowed = false;
            pointSeen = true;
        } else {
            break;
        }
    }
    return negative ? -value : value;
}

}  // namespace drill
