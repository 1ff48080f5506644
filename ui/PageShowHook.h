#pragma once

// A page of the details area that does something each time the side bar
// makes it the current page.

class PageShowHook {
public:
    virtual ~PageShowHook() = default;
    virtual void pageShown() = 0;
};
