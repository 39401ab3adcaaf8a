#pragma once
// The main window's pictures, drawn by the program itself: the three icons of
// the section list, the chevrons of Next and Previous, the four step buttons
// and the error icon of the example boxes.

#include <QIcon>
#include <QPixmap>

namespace artwork {

// 16 x 16: 0 a blank page with a folded corner (untouched), 1 a light-blue
// disc with a dark-blue "i" (touched), 2 a green square with a white arrow
// pointing right (the section shown).
QPixmap SectionIcon(int index);

enum class TChevron { Down, Up };
QIcon Chevron(TChevron direction);

// The step buttons: 1 the tested person, 2 the analysis, 3 the result on
// screen, 4 the printed result.
QIcon StepIcon(int step);

// 32 x 32: a red disc with a white cross on a transparent background.
QPixmap ErrorIcon();

}  // namespace artwork
