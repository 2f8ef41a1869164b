#pragma once

#include <taglib/tfile.h>

// A TagLib file over bytes that hold nothing but an ID3v2 tag. TagLib's MPEG
// file would also search them for other tags, which costs as much again as
// reading the tag.
class Id3v2Datei : public TagLib::File {
public:
    explicit Id3v2Datei(TagLib::IOStream* strom)
        : TagLib::File(strom)
    {
    }
    TagLib::Tag* tag() const override { return nullptr; }
    TagLib::AudioProperties* audioProperties() const override { return nullptr; }
    bool save() override { return false; }
};
