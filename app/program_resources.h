#pragma once

#include <QIcon>
#include <QPixmap>

namespace tevorin {

// The program's icon: a calendar leaf with a rising sun, for the window and the notification area.
QIcon programIcon();

// The two pictures beside the title of the about page: a month leaf and a sunrise.
QPixmap calendarLeafPicture();
QPixmap sunrisePicture();

}  // namespace tevorin
