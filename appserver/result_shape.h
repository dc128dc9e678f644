#pragma once

#include "appserver/engine/engine.h"
#include "protocol/dataset.h"

// Turns engine rows into the dataset that goes on the wire: columns typed from the catalogue
// (money as whole ten-thousandths, bits as booleans) and the operator password column always empty.
wire::DataSet shapeResult(const engine::Result& result);
