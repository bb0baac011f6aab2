#pragma once

// Changes to the collector catalogue made by the catalogue editor. The
// catalogue exists once, so a change is seen at once by both copies of the
// settings; the active and working collector choices are row indexes into it
// and must keep naming the models they named.

#include <string>
#include <string_view>

#include "state/model.h"

namespace nk {

// The figures of one model as the editor stores them.
struct CollectorFigures {
    Single area = 0;  // m² per collector
    Var a, b;         // A and B, the numbers of the editor's fields
    Single c = 0;
};

// The built-in models that keep their figures whatever their list position.
bool isProtectedCollectorName(std::string_view name);

// The model is the active settings' collector: its row must stay.
bool isActiveCollector(const Settings& s, int type, int model);

// Overwrites the figures of a model; its name stays. Where the active
// settings use the model, their collector figures follow (area, total area,
// A, B and C): the catalogue holds one copy of a model, and what is
// calculated, printed and saved must be the model as it now holds it.
void storeCollectorFigures(Model& m, int type, int model, const CollectorFigures& f);

// The total area of `count` collectors of `area` each, as the settings
// window shows it: the area as its caption shows it (seven digits) times
// the count, to hundredths.
Single totalCollectorArea(Single area, double count);

// Appends a model to `type`'s list, raising `KatMaxIndex` (and the arrays'
// bound with it) when the type's new count exceeds it; returns its index.
int addCollectorModel(Catalogue& k, int type, const std::string& name, const CollectorFigures& f);

// Removes a model, moving the later models of its type up one row, and
// brings `KatMaxIndex` and the arrays' bound to the largest count of types
// 1..6. An active or working model index of that type past the removed row
// moves up with its row; a working index on the removed row falls to the
// type's first model. The active collector itself is never removed: the
// caller refuses that (`isActiveCollector`).
void deleteCollectorModel(Model& m, int type, int model);

// A collector type and a model row of it.
struct CollectorChoice {
    Integer type = 1;
    Integer model = 0;
};

CollectorChoice workingCollector(const Settings& s);

// A choice kept aside while the catalogue changes follows its model when an
// earlier row of its type goes; when its own row goes it stays on its place,
// which the next model now takes.
void followDeletion(CollectorChoice& c, int type, int deleted);

// The working collector choice back at `c`, or, when the catalogue no longer
// holds that row, at the nearest model of its type that it still holds.
// Whatever named the working choice meanwhile, it names an existing model
// afterwards.
void restoreWorkingCollector(Settings& s, const Catalogue& k, CollectorChoice c);

}  // namespace nk
