#pragma once
// The navigation strip shared by the setup pages 2 to 5: the Set-up picture that
// leads back to the hub and one picture button for each of the four pages.
#include <QWidget>

namespace pk {

class TfraBasFrame;

// Builds the strip at the top of the page's content; pageNumber (2..5) is the
// page being shown, whose button stays highlighted.
QWidget* CreateSetupNavStrip(TfraBasFrame* page, int pageNumber);

}  // namespace pk
