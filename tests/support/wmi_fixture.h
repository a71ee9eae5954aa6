// Runs the query script in a real script host against a stand-in WMI service
// whose classes and instances the test describes.
#pragma once

#include <string>
#include <vector>

namespace kestrune::testing {

// One instance of a WMI class. properties is the body of a VBScript Array(...)
// of name/value pairs, e.g. "\"Name\", \"Acme\", \"Size\", Null". A property
// left out of the list cannot be read (reading it raises error 438).
struct FixtureInstance {
    std::wstring wmiClass;
    std::wstring properties;
};

// The query script with its WMI moniker swapped for a service holding
// the given instances (in order). With serviceFails the service raises on
// every InstancesOf, as an unreachable WMI does.
std::wstring ScriptWithFixture(const std::vector<FixtureInstance>& instances, bool serviceFails = false);

// Loads script into a fresh "ScriptControl" and returns GetTrait(name) as text,
// untrimmed.
std::wstring RunGetTrait(const std::wstring& script, const std::wstring& name);

}  // namespace kestrune::testing
