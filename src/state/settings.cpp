#include "state/settings.h"

namespace nk {

Single insulationResistance(double D, double s, Single lambda) {
    const double ratio = div(D + (s + s), D);
    return CSng(div(1.0, double(lambda) * 6.28318) * div(Log(ratio), Log(2.7182)));
}

void Catalogue::allocate(int modelBound) {
    const std::array<Bounds, 2> dims{upto(7), upto(modelBound)};
    KatNev.redim(dims);
    KatFelulet.redim(dims);
    KatA.redim(dims);
    KatB.redim(dims);
    KatC.redim(dims);
}

void Catalogue::reallocatePreserving(int modelBound) {
    KatNev.redimPreserveLast(modelBound);
    KatFelulet.redimPreserveLast(modelBound);
    KatA.redimPreserveLast(modelBound);
    KatB.redimPreserveLast(modelBound);
    KatC.redimPreserveLast(modelBound);
}

}  // namespace nk
