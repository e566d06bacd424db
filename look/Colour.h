#pragma once

#include <QColor>

// The colours of the design, named after what they paint.
namespace look::Colour {

inline constexpr QColor window(255, 224, 192);         // the windows and their labels
inline constexpr QColor draw(128, 255, 255);           // a draw box
inline constexpr QColor answer(255, 192, 128);         // an answer box and the search box
inline constexpr QColor tile(192, 192, 255);           // a letter tile
inline constexpr QColor threshold(255, 128, 255);      // the elimination threshold box
inline constexpr QColor currentDraw(128, 255, 128);    // the draw being answered
inline constexpr QColor currentAnswer(255, 255, 128);  // the answer box being typed in
inline constexpr QColor found(128, 255, 128);          // a found answer, a revealed draw
inline constexpr QColor missed(255, 128, 128);  // a missed answer, the tiles of a finished list
inline constexpr QColor stopped(255, 0, 0);     // a clock that has stopped
inline constexpr QColor warning(160, 0, 0);     // the text of why a list could not start

}  // namespace look::Colour
