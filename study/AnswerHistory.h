#pragma once

#include <status/Status.h>

#include <string>

namespace study {

class StudyRecord;

// Every answer the record holds, as a CSV file a French spreadsheet opens as it is: UTF-8
// with its byte order mark, fields apart by « ; », a field holding « ; » or « " » between
// quotes. One line an answer, in the order they were given: date, time, the exercise (the
// list drilled, or « révision »), the draw's list, draw, solutions, found (« oui », « non »)
// and seconds.
class AnswerHistory {
public:
    // Writes the history to `path` (UTF-8) beside it and switches it in whole: an existing
    // file stays as it was on any failure. The failure in French, naming the file.
    static status::Status write(StudyRecord& record, const std::string& path);
    // The first line, the names of the columns.
    static std::string header();
};

}  // namespace study
