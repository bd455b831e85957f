#include "app/program_resources.h"

#include <QString>

// The pictures are compiled into a static library, whose resources the linker keeps only when
// something calls their registration.
static bool registerProgramResources() {
  Q_INIT_RESOURCE(tevorin);
  return true;
}

namespace tevorin {

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QPixmap resourcePicture(const QString& name) {
  static const bool registered = registerProgramResources();
  Q_UNUSED(registered);
  return QPixmap(":/tevorin/" + name);
}

}  // namespace

QIcon programIcon() {
  QIcon icon;
  for (int size : kIconSizes) icon.addPixmap(resourcePicture(QString("icon-%1.png").arg(size)));
  return icon;
}

QPixmap calendarLeafPicture() {
  return resourcePicture("calendar-leaf.png");
}

QPixmap sunrisePicture() {
  return resourcePicture("sunrise.png");
}

}  // namespace tevorin
