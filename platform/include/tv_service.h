// TV service interface: factories of per-profile control objects, the records
// they exchange, and the helpers that build navigation criteria.
//
// Objects handed out by the factories belong to the TV service; callers never
// release them. Results: factories return 0 on success; methods return a
// positive value on success unless a comment says otherwise.
#pragma once

#include <list>
#include <map>
#include <string>

enum EProfile : int { PROFILE_TYPE_MAIN = 1, PROFILE_TYPE_PIP = 101 };

enum EPictureSizeType : int {
    PICTURESIZE_16_9 = 0,
    PICTURESIZE_FIT_TO_SCREEN = 1,
    PICTURESIZE_CUSTOM = 2,
    PICTURESIZE_4_3 = 3,
    PICTURESIZE_21_9 = 4,
    PICTURESIZE_AUTO = 5,
    PICTURESIZE_CAPTION = 6,
    PICTURESIZE_ORIGINAL_RATIO = 7,
};

enum EScreenModeData : int {
    SCREENMODE_16_9 = 0,
    SCREENMODE_ZOOM = 2,
    SCREENMODE_4_3 = 3,
    SCREENMODE_21_9 = 4,
};

enum EScreenFitOptionType : int {
    SCREENFITOPTION_OFF = 0,
    SCREENFITOPTION_ON = 1,
    SCREENFITOPTION_AUTO = 2,
};

enum ESource : int {
    SOURCE_TV = 0,
    SOURCE_AV1 = 1,
    SOURCE_AV2 = 2,
    SOURCE_AV3 = 3,
    SOURCE_COMPONENT1 = 7,
    SOURCE_COMPONENT2 = 8,
    SOURCE_COMPONENT3 = 9,
    SOURCE_PC1 = 10,
    SOURCE_PC2 = 11,
    SOURCE_PC3 = 12,
    SOURCE_HDMI1 = 13,
    SOURCE_HDMI2 = 14,
    SOURCE_HDMI3 = 15,
    SOURCE_HDMI4 = 16,
};

// 0 is available; anything else is not.
enum ESourceStatus : int { SOURCE_STATUS_AVAILABLE = 0, SOURCE_STATUS_NOT_AVAILABLE = 1 };

enum ENavigationMode : int { NAVIGATION_MODE_ALL = 0 };

enum ESortOrder : int { SORT_ORDER_ASCENDING = 0, SORT_ORDER_DESCENDING = 1 };

struct TSTvMode {
    int antennaMode;
    int serviceMode;
};

// One field of a service record.
struct TSServiceField {
    int id;
    unsigned long long value;
};

// A service (channel) record: fields addressed by id.
class TCServiceData {
public:
    TCServiceData();
    TCServiceData(const TCServiceData &other);
    TCServiceData &operator=(const TCServiceData &other);
    virtual ~TCServiceData();

    // Null when the record has no such field.
    const TSServiceField *GetField(int id) const;
    void SetField(int id, unsigned long long value);
    void Clear();

private:
    void *m_fields;
};

// Which services a navigation call considers and in which order.
class TCCriteriaHelper {
public:
    TCCriteriaHelper();
    TCCriteriaHelper(const TCCriteriaHelper &other) = delete;
    TCCriteriaHelper &operator=(const TCCriteriaHelper &other) = delete;
    ~TCCriteriaHelper();

    void Fetch(int field);
    void WhereNot(int field, unsigned long long value);
    void OrderBy(int field, ESortOrder order);
    void RemoveOrderBy(int field);

private:
    void *m_criteria;
};

class TCNavigationModeHelper {
public:
    // Both fill the criteria for a TV mode; true on success.
    static bool GetNavigationCriteria(ENavigationMode mode, TSTvMode tvMode,
                                      TCCriteriaHelper &criteria, unsigned long long id);
    static bool GetNavigationCriteria(TSTvMode tvMode, ENavigationMode mode,
                                      TCCriteriaHelper &criteria, unsigned long long id);
};

class TCServiceDataUtility {
public:
    // True on success.
    static bool GetServiceName(unsigned long long serviceId, std::wstring &name, bool full);
};

// Virtual slots in the interface's order; -1 is failure for the picture size
// and screen mode methods, exactly 1 is success for screen fit and auto wide.
class IVideoControl {
public:
    virtual int GetScreenMode(EScreenModeData *mode) = 0;
    virtual int SetScreenMode(EScreenModeData mode, bool commit) = 0;
    virtual int SetAspectRatio(EPictureSizeType size, bool commit) = 0;
    virtual int GetPictureSize(EPictureSizeType *size) = 0;
    virtual int ResetPicture() = 0;
    virtual int SetScreenFitOption(EScreenFitOptionType option, bool commit) = 0;
    virtual int GetScreenFitOption(EScreenFitOptionType *option) = 0;
    virtual int GetAutoWideOption(bool *on) = 0;
    virtual int SetAutoWideOption(bool on, bool commit) = 0;
    virtual int GetPanoramaOption(bool *on) = 0;
    virtual int SetPanoramaOption(bool on, bool commit) = 0;

protected:
    ~IVideoControl() = default;
};

class IAVControl {
public:
    virtual int SetAnalogCleanView(bool on) = 0;

protected:
    ~IAVControl() = default;
};

class ISourceControl {
public:
    // Exactly 1 is success.
    virtual int SetSource(ESource source, const std::string &text) = 0;
    virtual int CheckSourceStatus(const std::list<ESource> &sources,
                                  std::map<ESource, ESourceStatus> &status) = 0;

protected:
    ~ISourceControl() = default;
};

class IServiceNavigation {
public:
    virtual int SetService(unsigned long long serviceId, int arg1, int arg2,
                           const std::string &text) = 0;
    virtual int GetTvMode(TSTvMode &mode) = 0;
    virtual int SetTvMode(TSTvMode mode, const std::string &text) = 0;
    virtual int GetCurrentServiceInfo(TSTvMode mode, TCCriteriaHelper &criteria,
                                      TCServiceData &service) = 0;
    virtual int GetNextService(TCCriteriaHelper &criteria, TCServiceData &service) = 0;
    virtual int GetPreviousService(TCCriteriaHelper &criteria, TCServiceData &service) = 0;
    // -1 is failure; the caller deletes the records put into the list.
    virtual int GetServiceList(TCCriteriaHelper &criteria, std::list<TCServiceData *> &services,
                               TSTvMode mode, int arg1, int arg2) = 0;

protected:
    ~IServiceNavigation() = default;
};

class IUtil {
public:
    virtual int SelectMasterAudio(EProfile profile, int arg) = 0;
    virtual int GetMasterAudio(EProfile *profile, int *arg) = 0;

protected:
    ~IUtil() = default;
};

// Tells the TV service that a client uses a profile.
class IReferenceCount {
public:
    virtual int IncreaseCount() = 0;
    virtual int DecreaseCount() = 0;

protected:
    ~IReferenceCount() = default;
};

class TVServiceAPI {
public:
    static int CreateVideoControl(EProfile profile, int arg, IVideoControl **out);
    static int CreateAVControl(EProfile profile, int arg, IAVControl **out);
    static int CreateSourceControl(EProfile profile, int arg, ISourceControl **out);
    static int CreateServiceNavigation(EProfile profile, int arg, IServiceNavigation **out);
    static int CreateUtil(IUtil **out);
    // Null on failure.
    static IReferenceCount *CreateReferenceCount();
};
