// dxflib's writer, turned towards our output sink. dxflib writes every group code and value
// through five virtual calls of its ASCII writer; this writer answers them by putting the
// text into an OutputSink, so a DXF file goes through the one safe export like every other
// file, with CR LF line ends and the same digits from every build. The library's writer
// class is its only extension point for output, hence a class here.
#pragma once

#include <string>

#include "dl_writer_ascii.h"
#include "output/output_sink.h"

class DxfSinkWriter : public DL_WriterA {
public:
    DxfSinkWriter(OutputSink* sink, DL_Codes::version version);

    void dxfReal(int gc, double value) const override;
    void dxfInt(int gc, int value) const override;
    void dxfHex(int gc, int value) const override;
    void dxfString(int gc, const char* value) const override;
    void dxfString(int gc, const std::string& value) const override;

private:
    OutputSink* sink;
};
