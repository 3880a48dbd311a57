#include "gear/pair_mesh.h"

void AddMeshCheckWarning(const MeshCheck& check, PairData* data) {
    if (check.interference) {
        AddPairWarning(data, kPairOutlinesOverlap);
    }
}

bool CheckPairMesh(const PairInput& input, PairData* data, MeshCheck* check) {
    if (data->refusal != kPairAccepted || data->kind != kExternalPair) {
        return false;
    }
    MeshGear gear;
    MeshGear mate;
    RackCutMeshGear(GearAsCut(input, *data), &gear);
    RackCutMeshGear(MateAsCut(input, *data), &mate);
    PlaceInMesh(&gear, &mate, data->mesh.centreDistance);
    CheckMesh(gear, mate, kLeastMeshPositions, check);
    AddMeshCheckWarning(*check, data);
    return true;
}
