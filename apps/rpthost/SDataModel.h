#pragma once
// The sample module's data model: a named model with its author and version, and its entities,
// each with its attributes and its relationships to other entities.
#include <vector>

#include "platform/base/SString.h"

class SDataModel {
public:
    struct Attribute {
        SString name;
        SString type;
        SString description;
    };
    struct Relationship {
        SString name;
        SString target;
        SString cardinality;
    };
    struct Entity {
        SString name;
        SString description;
        std::vector<Attribute> attributes;
        std::vector<Relationship> relationships;
    };

    SString name;
    SString author;
    SString version;
    std::vector<Entity> entities;

    // The number of attributes of all entities together.
    size_t CountAttributes() const {
        size_t count = 0;
        for (const Entity& entity : entities) count += entity.attributes.size();
        return count;
    }
};
