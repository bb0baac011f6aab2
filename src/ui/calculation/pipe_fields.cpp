#include "ui/calculation/pipe_fields.h"

#include "state/field_check.h"

namespace nk {

namespace {

FieldRule ruleOf(PipeField f) {
    auto rule = [](double lo, double hi, std::string_view message) {
        return FieldRule{lo, hi, FieldStyle::Exclamation, {}, message};
    };
    switch (f) {
        case PipeField::Dcsokulso: return rule(10, 500, "A cső külső átmérője 10 és 500 mm között lehet!");
        case PipeField::kulsocso:
        case PipeField::belsocso: return rule(0, 1000, "A kültéri cső hossza 0 és 1000 m között lehet!");
        case PipeField::belsoterhofok: return rule(1, 30, "A belső tér hőmérséklete 1C° és 30C° között lehet!");
        case PipeField::hosziglambda:
            return rule(0.01, 0.1, "A hőszigetelő csőhéj hővezető képessége 0,01 és 0,1 W/mK között lehet!");
        case PipeField::csohejvastagsag:
            return rule(1, 100, "A csővezeték hőszigetelésének vastagsága 1 és 100 mm között lehet!");
    }
    return rule(0, 0, "");
}

void recomputeResistance(PipeData& p) {
    p.Csohejellenallas = insulationResistance(p.Csokulsoatmero.d(), p.Csohejvastagsag.d(), p.Hoszigeteleslambda);
}

}  // namespace

std::string pipeFieldText(const Model& m, PipeField f, const NumberLocale& loc) {
    const PipeData& p = m.pipe;
    switch (f) {
        case PipeField::Dcsokulso: return textForm(p.Csokulsoatmero, loc);
        case PipeField::kulsocso: return textForm(p.Kulsocsohossz, loc);
        case PipeField::belsocso: return textForm(p.Belsocsohossz, loc);
        case PipeField::belsoterhofok: return textForm(p.Belsoterhofok, loc);
        case PipeField::hosziglambda: return textForm(p.Hoszigeteleslambda, loc);
        case PipeField::csohejvastagsag: return textForm(p.Csohejvastagsag, loc);
    }
    return "";
}

PipeEntryResult acceptPipeEntry(Model& m, PipeField f, const std::string& text, const NumberLocale& loc) {
    const FieldVerdict verdict = checkField(ruleOf(f), text, loc);
    if (!verdict.accepted) return {false, verdict.message, verdict.title, pipeFieldText(m, f, loc)};
    const double v = verdict.value;

    PipeData& p = m.pipe;
    switch (f) {
        case PipeField::Dcsokulso: p.Csokulsoatmero = Int(v); break;
        case PipeField::kulsocso: p.Kulsocsohossz = Int(v); break;
        case PipeField::belsocso: p.Belsocsohossz = CSng(Int(v)); break;
        case PipeField::belsoterhofok: p.Belsoterhofok = CSng(Int(v)); break;
        // The entered value whatever the user's decimal separator.
        case PipeField::hosziglambda: p.Hoszigeteleslambda = CSng(v); break;
        case PipeField::csohejvastagsag: p.Csohejvastagsag = Int(v); break;
    }
    if (f == PipeField::Dcsokulso || f == PipeField::hosziglambda || f == PipeField::csohejvastagsag)
        recomputeResistance(p);
    return {true, "", "", ""};
}

}  // namespace nk
