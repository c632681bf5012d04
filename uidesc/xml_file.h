#pragma once
// One parse of a file the device sent, read the way every reader of the
// device's files needs it: recovery on, UTF-8, blank text between elements
// dropped. The file is untrusted: the parser never reaches the network,
// loads no DTD or external entity, substitutes no entity and keeps
// libxml2's bounds on entity expansion (no huge-document option); its
// complaints are not printed.

#include <libxml/tree.h>

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace vexo {

class XmlFile {
public:
    explicit XmlFile(const std::string& path);
    // The same, on a document in memory (fuzz targets and benchmarks).
    XmlFile(const char* data, int size);
    ~XmlFile();
    XmlFile(const XmlFile&) = delete;
    XmlFile& operator=(const XmlFile&) = delete;

    // The root element when the document parsed and its root is named
    // `rootName`; null otherwise.
    xmlNode* RootNamed(const char* rootName) const;

    // The elements `xpath` selects, in document order; empty on any
    // failure. They live as long as this object.
    std::vector<xmlNode*> Select(const std::string& xpath) const;

    static constexpr int kParseOptions = XML_PARSE_RECOVER | XML_PARSE_NONET | XML_PARSE_NOBLANKS |
                                         XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

private:
    xmlDoc* doc_ = nullptr;
};

// The attribute's value as narrow bytes, nullopt when absent.
std::optional<std::string> AttributeBytes(xmlNode* node, const char* name);
// The attribute's value turned into wide text, nullopt when absent.
std::optional<QString> Attribute(xmlNode* node, const char* name);
// The whole text content of the node, as wide text.
QString TextContent(xmlNode* node);

}  // namespace vexo
