#pragma once

#include <QString>

#include <stdexcept>

namespace workshop {

// A file operation that could not be carried out; the message is for the user, in French,
// and names the path and the system's reason.
class OperationFailure : public std::runtime_error {
public:
    explicit OperationFailure(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }

    const QString& message() const { return message_; }

private:
    QString message_;
};

}  // namespace workshop
