#pragma once

// Which Tavix masonry products can be delivered: a fixed table of mortar, density class
// and wall thickness. The build-up dialog warns ("Liefermöglichkeit für gewähltes
// Tavix-Produkt prüfen!") for every combination that is not in it.

#include <QString>

namespace tavix {

// moertel: 0 thin-bed, 1 normal mortar; densityClass: item of the density class list
// (0 = 1.2 .. 5 = 2.2); thickness: item of the thickness list (0 = 7,0 cm .. 10 = 36,5 cm).
// Indices outside the lists count as not deliverable.
bool tavixProductDeliverable(int moertel, int densityClass, int thickness);

QString deliveryNoteText();

} // namespace tavix
