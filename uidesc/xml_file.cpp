#include "xml_file.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>

#include "narrow_text.h"

namespace vexo {
namespace {

// A name that does not form an expression is the caller's concern, not a
// message on the console.
void IgnoreXPathError(void*, xmlError*) {}

}  // namespace

XmlFile::XmlFile(const std::string& path) {
    if (!path.empty()) {
        doc_ = xmlReadFile(path.c_str(), "UTF-8", kParseOptions);
    }
}

XmlFile::XmlFile(const char* data, int size) {
    if (data && size > 0) {
        doc_ = xmlReadMemory(data, size, "device.xml", "UTF-8", kParseOptions);
    }
}

XmlFile::~XmlFile() {
    if (doc_) {
        xmlFreeDoc(doc_);
    }
}

xmlNode* XmlFile::RootNamed(const char* rootName) const {
    xmlNode* root = doc_ ? xmlDocGetRootElement(doc_) : nullptr;
    if (!root || xmlStrcmp(root->name, reinterpret_cast<const xmlChar*>(rootName)) != 0) {
        return nullptr;
    }
    return root;
}

std::vector<xmlNode*> XmlFile::Select(const std::string& xpath) const {
    std::vector<xmlNode*> nodes;
    if (!doc_) {
        return nodes;
    }
    xmlXPathContext* context = xmlXPathNewContext(doc_);
    if (!context) {
        return nodes;
    }
    context->error = &IgnoreXPathError;
    xmlXPathObject* result =
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(xpath.c_str()), context);
    if (result && result->type == XPATH_NODESET && result->nodesetval) {
        // Only elements: a hostile name can make the expression select
        // other kinds of node, and namespace nodes are copies that die
        // with the result.
        const xmlNodeSet* set = result->nodesetval;
        for (int i = 0; i < set->nodeNr; ++i) {
            if (set->nodeTab[i] && set->nodeTab[i]->type == XML_ELEMENT_NODE) {
                nodes.push_back(set->nodeTab[i]);
            }
        }
    }
    xmlXPathFreeObject(result);
    xmlXPathFreeContext(context);
    return nodes;
}

std::optional<std::string> AttributeBytes(xmlNode* node, const char* name) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    if (!value) {
        return std::nullopt;
    }
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

std::optional<QString> Attribute(xmlNode* node, const char* name) {
    const auto bytes = AttributeBytes(node, name);
    if (!bytes) {
        return std::nullopt;
    }
    return FromNarrow(*bytes);
}

QString TextContent(xmlNode* node) {
    xmlChar* content = xmlNodeGetContent(node);
    if (!content) {
        return {};
    }
    const QString text = FromNarrow(reinterpret_cast<const char*>(content));
    xmlFree(content);
    return text;
}

}  // namespace vexo
