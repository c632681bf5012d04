#!/usr/bin/env python3
"""Writes the device's own files from one description of its analytics.

korvane_ui.xml      what the control builds its panels from
korvane_lang.xml    English and Chinese texts of every identifier
korvane_profile.json the device's parameter catalogue (defaults, ranges)
                     and its factory configuration

Run it after changing the description below; the three outputs are kept in
the repository so that the simulator needs no build step for its data.
"""
import json
import os
from xml.sax.saxutils import escape, quoteattr

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------- geometry
def fmt(v):
    return "%f" % v

def polygon_text(points):
    if not points:
        return ""
    text = "%d|(%s,%s)" % (len(points), fmt(points[0][0]), fmt(points[0][1]))
    for x, y in points[1:]:
        text += ",(%s,%s)" % (fmt(x), fmt(y))
    return text

def rect_text(x, y, w, h):
    return "(%s,%s,%s,%s)" % (fmt(x), fmt(y), fmt(w), fmt(h))

def point_text(x, y):
    return "(%s,%s)" % (fmt(x), fmt(y))

REGION = [(-0.6, 0.6), (0.6, 0.6), (0.6, -0.6), (-0.6, -0.6)]
WIRE = [(-0.5, 0.0), (0.5, 0.0)]

# ---------------------------------------------------------------- parameters
# Each parameter: name, uiType, and the device's value rules ("kind" plus
# its limits) and default. Plain kinds travel as strings, object kinds as
# {"simp", "name", geometry}.
def p_int(name, ui, lo, hi, default, desc="xs:int"):
    return dict(name=name, ui=ui, kind="int", min=lo, max=hi, default=str(default), description=desc)

def p_enum(name, ui, values, default):
    return dict(name=name, ui=ui, kind="enum", values=values, default=default, description="xs:string")

def p_bool(name, ui, default="true"):
    return dict(name=name, ui=ui, kind="bool", default=default, description="xs:boolean")

def p_text(name, ui, default, maxlen=32):
    return dict(name=name, ui=ui, kind="text", maxLength=maxlen, default=default, description="xs:string")

def p_static(name, default):
    return dict(name=name, ui="UI_Static_And_Static", kind="static", default=default, description="xs:string")

def p_time(name, default):
    return dict(name=name, ui="UI_Static_And_Edit_Spin_time", kind="time", min=0, max=1439,
                default=str(default), description="xs:time")

def obj(name, ui, geometry, default, object_text="", attributes=None, min_points=0, max_points=0,
        description=None):
    d = dict(name=name, ui=ui, kind="object", geometry=geometry, objectText=object_text,
             attributes=attributes or {}, description=description or "xs:" + geometry)
    if min_points or max_points:
        d["minPoints"], d["maxPoints"] = min_points, max_points
    value = {"name": object_text,
             "simp": {k: a["default"] for k, a in (attributes or {}).items()} or None}
    if geometry in ("polygon", "wire", "line", "polyline"):
        value["polygon"] = [{"VexoPolygon": polygon_text(default)}] if default else []
    elif geometry == "rect":
        value["rect"] = [{"rectF": rect_text(*default)}]
    elif geometry == "point":
        value["point"] = [{"pointF": point_text(*default)}]
    elif geometry == "ptz":
        value["PTZ"] = [{"ptzPoint": {"fPan": default[0], "fTilt": default[1], "fZoom": default[2]}}]
    value = {k: v for k, v in value.items() if v != []}
    d["default"] = value
    return d

def attr_int(lo, hi, default):
    return dict(kind="int", min=lo, max=hi, default=str(default))

def attr_bool(default):
    return dict(kind="bool", default=default)

def region(name="DetectionRegion", ui="UI_Static_And_PenBmpBtn_RectBmpBtn"):
    return obj(name, ui, "polygon", REGION, min_points=3, max_points=10)

def enable():
    return p_bool("Enable", "UI_Static_And_PushBtn")

def sensitivity(default=50):
    return p_int("Sensitivity", "UI_Static_And_Edit_Spin_Slider", 1, 100, default)

def target_type():
    return p_enum("TargetType", "UI_Static_And_ComboBoxUnEdit", ["Human", "Vehicle", "AllTargets"], "AllTargets")

# ---------------------------------------------------------------- modules
MODULES = {
    "zelk:ScenePosition_Settings": dict(type="standard_labels", params=[
        obj("ScenePosition", "UI_NULL", "ptz", (0.0, 0.0, 0.0), description="xs:ptz"),
        p_text("SceneDescription", "UI_Static_And_Edit", "", 64),
    ]),
    "zelk:Camera_Calibration": dict(type="standard_labels", params=[
        obj("CaliberLine", "UI_Static_And_Edit_Spin_LineBmpBtn", "polyline",
            [(-0.2, -0.4), (-0.2, 0.1)], object_text="CaliberLine",
            attributes={"zelk:Length": attr_int(0, 8000, 170)}, min_points=2, max_points=10),
        obj("HorizonLine", "UI_LINE", "line", [(-0.9, 0.3), (0.9, 0.3)], min_points=2, max_points=2),
        p_int("TargetHeight", "UI_Static_And_Edit_Spin_Length", 50, 300, 170, "xs:length"),
        obj("CalibrationPoint", "UI_Static_And_PointBmpBtn", "point", (0.0, -0.5)),
    ], links=[("HorizonLine", "CalibrationMode", "Manual")],
       extra=[p_enum("CalibrationMode", "UI_Static_And_ComboBoxUnEdit", ["Auto", "Manual"], "Auto")]),
    "zelk:PTZ_Calibration_Settings": dict(type="standard_labels", params=[
        p_int("LimitNumber", "UI_PTZ_NUMBER", 0, 4, 2),
        obj("LeftLimit", "UI_PTZ_LIMIT", "point", (-0.8, 0.0)),
        obj("RightLimit", "UI_PTZ_LIMIT", "point", (0.8, 0.0)),
        obj("UpLimit", "UI_PTZ_LIMIT", "point", (0.0, 0.8)),
        obj("DownLimit", "UI_PTZ_LIMIT", "point", (0.0, -0.8)),
        p_int("ZoomRatio", "UI_Static_And_Edit_Spin_Slider", 1, 30, 4),
    ]),
    "zelk:Shield_Region_Settings": dict(type="standard_labels", params=[
        p_bool("ShieldEnable", "UI_Static_And_PushBtn", "false"),
        obj("ShieldRegion", "UI_Static_And_PenBmpBtn_AllShow", "polygon",
            [(0.7, 0.9), (0.95, 0.9), (0.95, 0.7), (0.7, 0.7)], min_points=3, max_points=10),
    ], links=[("ShieldRegion", "ShieldEnable", "true")]),
    "zelk:Target_Size_Filter": dict(type="function_settings", params=[
        p_bool("FilterEnable", "UI_Static_And_PushBtn", "false"),
        obj("MinTargetSize", "UI_Static_And_RectBmpBtn", "rect", (-0.05, 0.05, 0.1, -0.1)),
        obj("MaxTargetSize", "UI_Static_And_RectBmpBtn_VideoShow", "rect", (-0.4, 0.4, 0.8, -0.8)),
    ], links=[("MinTargetSize", "FilterEnable", "true"), ("MaxTargetSize", "FilterEnable", "true")]),
    "zelk:Face_Quality_Settings": dict(type="function_settings", params=[
        p_int("MinFaceQuality", "UI_Static_And_Edit_Spin_Slider", 0, 100, 60),
        p_enum("FaceCaptureMode", "UI_Static_And_ComboBoxUnEdit", ["BestShot", "FastShot", "EveryFrame"], "BestShot"),
    ]),
    "zelk:Audio_Input_Settings": dict(type="function_settings", params=[
        p_enum("AudioSource", "UI_Static_And_ComboBoxUnEdit", ["LineIn", "Microphone"], "Microphone"),
        p_int("BaselineLevel", "UI_Static_And_Edit_Spin_Slider", 0, 120, 40),
    ]),
}
for m in MODULES.values():
    m["params"] = m.get("extra", []) + m["params"]

# ---------------------------------------------------------------- non-scene
NONSCENES = {
    "zelk:Metadata_Settings": dict(params=[
        p_bool("MetadataEnable", "UI_Static_And_PushBtn"),
        p_bool("ShowTargetBox", "UI_Static_And_PushBtn"),
        p_static("AlgorithmVersion", "VA 3.2.1"),
    ], links=[("ShowTargetBox", "MetadataEnable", "true")]),
    "zelk:Counting_Report_Settings": dict(params=[
        p_enum("ReportInterval", "UI_Static_And_ComboBoxUnEdit", ["Minutes5", "Minutes15", "Minutes60"], "Minutes15"),
        p_time("CounterResetTime", 0),
    ]),
    "zelk:Face_Capture_Settings": dict(params=[
        p_bool("UploadFacePicture", "UI_Static_And_PushBtn"),
        p_int("PictureQuality", "UI_Static_And_Edit_Spin_Slider", 1, 100, 80),
        p_text("CaptureProfile", "UI_Static_And_ComboBox", "0", 8),
    ]),
}

# ---------------------------------------------------------------- functions
BOTH = ["zelk:GuardSchedules", "zelk:ActionTrigger"]
RULES = {
    "zelk:Intrusion_Event": dict(params=[
        enable(), region(), sensitivity(),
        p_enum("AlarmMode", "UI_Static_And_ComboBoxUnEdit", ["Immediate", "Delayed"], "Immediate"),
        p_int("TimeThreshold", "UI_Static_And_Edit_Spin", 0, 60, 3), target_type(),
        p_text("RuleName", "UI_Static_And_Edit", "", 32),
    ], requires=["zelk:Target_Size_Filter"], nonscene=["zelk:Metadata_Settings"], funs=BOTH,
        links=[("TimeThreshold", "AlarmMode", "Delayed")]),
    "zelk:Wire_Cross_Event": dict(params=[
        enable(),
        obj("Wire", "UI_WIRE_AllShow_OneSolid", "wire", WIRE, attributes={"Margin": attr_int(0, 100, 10)},
            min_points=2, max_points=2),
        p_enum("Direction", "UI_Static_And_ComboBoxUnEdit", ["AtoB", "BtoA", "BothWays"], "BothWays"),
        sensitivity(), target_type(),
    ], requires=["zelk:Target_Size_Filter"], nonscene=["zelk:Metadata_Settings"], funs=BOTH),
    "zelk:Loitering_Event": dict(params=[
        enable(), region(), p_int("LoiterTime", "UI_Static_And_Edit_Spin", 5, 600, 30), sensitivity(),
    ], requires=["zelk:Target_Size_Filter"], nonscene=["zelk:Metadata_Settings"], funs=BOTH),
    "zelk:Abandoned_Object_Detection_Event": dict(params=[
        enable(), region(), p_int("LeftTime", "UI_Static_And_Edit_Spin", 5, 3600, 60), sensitivity(),
    ], requires=["zelk:Target_Size_Filter"], funs=BOTH),
    "zelk:Remove_Object_Event": dict(params=[
        enable(), region(), p_int("RemovedTime", "UI_Static_And_Edit_Spin", 5, 3600, 30), sensitivity(),
    ], requires=["zelk:Target_Size_Filter"], funs=BOTH),
    "zelk:People_Counting_Event": dict(params=[
        enable(),
        obj("CountingLine", "UI_WIRE_AllShow_AllSolid", "wire", WIRE, attributes={"Margin": attr_int(0, 100, 20)},
            min_points=2, max_points=2),
        obj("DirectionLine", "UI_WIRE", "wire", [(0.0, -0.3), (0.0, 0.3)],
            attributes={"Margin": attr_int(0, 100, 0)}, min_points=2, max_points=2),
        p_enum("CountingDirection", "UI_Static_And_ComboBoxUnEdit", ["In", "Out", "InAndOut"], "InAndOut"),
        p_int("AlarmThreshold", "UI_Static_And_Edit_Spin", 0, 10000, 100),
        obj("ClearCounter", "UI_XpBtn", "none", None, attributes={"clicked": attr_bool("false")},
            description="xs:button"),
    ], nonscene=["zelk:Counting_Report_Settings"], funs=BOTH),
    "zelk:Face_Detection_Event": dict(params=[
        enable(),
        obj("FaceRegion", "UI_Static_And_Face_PenBmpBtn_RectBmpBtn", "polygon", REGION, min_points=3, max_points=10),
        obj("MinFaceSize", "UI_Static_And_Face_RectBmpBtn", "rect", (-0.05, 0.05, 0.1, -0.1)),
        obj("FaceExcludeRegion", "UI_Static_And_Face_PenBmpBtn_DeleteBmpBtn_AllShow", "polygon", [],
            min_points=3, max_points=10),
        sensitivity(70),
    ], requires=["zelk:Face_Quality_Settings"], nonscene=["zelk:Face_Capture_Settings"], funs=BOTH),
    "zelk:Crowd_Action_Event": dict(params=[
        enable(), region(), p_int("CrowdDensity", "UI_Static_And_Edit_Spin_Slider", 1, 100, 60),
        p_int("MinPeople", "UI_Static_And_Edit_Spin", 2, 200, 10),
    ], nonscene=["zelk:Metadata_Settings"], funs=BOTH),
    "zelk:Fast_Moving_Event": dict(params=[
        enable(), region(), p_int("SpeedThreshold", "UI_Static_And_Edit_Spin", 1, 100, 30), sensitivity(),
    ], requires=["zelk:Target_Size_Filter"], nonscene=["zelk:Metadata_Settings"], funs=BOTH),
    "zelk:Abnormal_Sound_Event": dict(params=[
        enable(), p_int("SoundThreshold", "UI_Static_And_Edit_Spin_Slider", 0, 120, 70),
        p_enum("SoundType", "UI_Static_And_ComboBoxUnEdit", ["SuddenRise", "SuddenDrop", "AnyChange"], "SuddenRise"),
    ], requires=["zelk:Audio_Input_Settings"], funs=["zelk:ActionTrigger"]),
    "zelk:Defocus_Detection_Event": dict(params=[
        enable(), sensitivity(),
        obj("FocusArea", "UI_Static_And_RectBmpBtn_PageShow", "rect", (-0.5, 0.5, 1.0, -1.0)),
    ], funs=BOTH),
    "zelk:Scene_High_Brightness_Error_Detection_Event": dict(params=[
        enable(), p_int("BrightnessThreshold", "UI_Static_And_Edit_Spin_Slider", 0, 255, 220),
        p_int("Duration", "UI_Static_And_Edit_Spin", 1000, 60000, 5000, "xs:duration"),
    ], funs=BOTH),
    "zelk:Scene_Low_Brightness_Error_Detection_Event": dict(params=[
        enable(), p_int("BrightnessThreshold", "UI_Static_And_Edit_Spin_Slider", 0, 255, 30),
        p_int("Duration", "UI_Static_And_Edit_Spin", 1000, 60000, 5000, "xs:duration"),
    ], funs=BOTH),
    "zelk:Image_Color_Reproduction_Error_Detection_Event": dict(params=[
        enable(), sensitivity(),
    ], funs=BOTH),
    "zelk:Detail_Event": dict(params=[
        enable(), sensitivity(40),
    ], funs=[]),
    "zelk:Global_Motion_Event": dict(params=[
        enable(), sensitivity(30),
    ], funs=["zelk:ActionTrigger"]),
}

CONFLICTS = [
    ["zelk:Face_Detection_Event", "zelk:Crowd_Action_Event"],
    ["zelk:Face_Detection_Event", "zelk:People_Counting_Event"],
    ["zelk:Crowd_Action_Event", "zelk:People_Counting_Event"],
]

# ---------------------------------------------------------------- normal alarms
NORMAL_ALARMS = {
    "zelk:Alarm_Input_Event": dict(tokens=["AlarmIn 01", "AlarmIn 02"], params=[
        enable(), p_enum("InputType", "UI_Static_And_ComboBoxUnEdit", ["NormallyOpen", "NormallyClosed"], "NormallyOpen"),
        p_text("AlarmName", "UI_Static_And_Edit", "", 32),
    ], funs=BOTH),
    "zelk:Motion_Event": dict(tokens=["Motion 01"], params=[
        enable(), region("MotionRegion"), sensitivity(),
    ], funs=BOTH, links=[("MotionRegion", "Enable", "true")]),
    "zelk:Video_Loss_Detection_Event": dict(tokens=["VideoLoss 01"], params=[
        enable(), p_int("HoldTime", "UI_Static_And_Edit_Spin", 1000, 60000, 5000, "xs:duration"),
    ], funs=["zelk:ActionTrigger"]),
    "zelk:Storage_Error_Event": dict(tokens=["Storage 01"], params=[enable()], funs=[]),
}

# Linkage actions: group -> actions; a group's plain value is its panel slot.
ACTION_GROUPS = {
    "AlarmOutput": ["AlarmOut1", "AlarmOut2"],
    "Recording": ["RecordChannel1"],
    "Notification": ["UploadCenter", "SendEmail", "Buzzer"],
    "Capture": ["Snapshot"],
}

TOURS = {
    "NormalSceneTour": dict(rows=8, plain=[p_int("StayTime", "UI_NULL", 10, 3600, 30)],
                            entry=[p_text("AnalyticsConfigurationToken", "UI_NULL", "", 64),
                                   p_int("StayTime", "UI_NULL", 10, 3600, 30),
                                   p_bool("ClearFlag", "UI_NULL", "false")]),
    "TimeSceneTour": dict(rows=8, plain=[p_bool("Enabled", "UI_NULL", "false")] +
                          [p_bool(d, "UI_NULL", "true") for d in ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]],
                          entry=[p_text("AnalyticsConfigurationToken", "UI_NULL", "", 64),
                                 dict(name="StartTime", ui="UI_NULL", kind="clock", default="00:00", description="xs:time"),
                                 dict(name="EndTime", ui="UI_NULL", kind="clock", default="00:00", description="xs:time")]),
}

METADATA_MENU = ["zelk:ShowTargetBox", "zelk:ShowTrack", "zelk:ShowRuleGeometry", "zelk:ShowObjectClass"]

# ---------------------------------------------------------------- factory configuration
FACTORY = {
    "smartStatus": "TRUE",
    "scenes": [
        dict(name="Default Scene", position=[0.0, 0.0, 0.0],
             functions=["zelk:Intrusion_Event", "zelk:Wire_Cross_Event", "zelk:Abnormal_Sound_Event"],
             rules={"zelk:Intrusion_Event": [
                        ["Intrusion_Event 01", {"RuleName": "Gate"}],
                        ["Intrusion_Event 02", {"Sensitivity": "70", "AlarmMode": "Delayed", "TimeThreshold": "5",
                                                "DetectionRegion": {"name": "", "simp": None, "polygon": [
                                                    {"VexoPolygon": polygon_text([(0.1, 0.5), (0.7, 0.5), (0.7, -0.2), (0.1, -0.2)])}]}}]],
                    "zelk:Wire_Cross_Event": [["Wire_Cross_Event 01", {"Direction": "AtoB"}]],
                    "zelk:Abnormal_Sound_Event": [["Abnormal_Sound_Event 01", {}]]}),
        dict(name="Entrance", position=[0.25, -0.1, 0.2],
             functions=["zelk:People_Counting_Event", "zelk:Loitering_Event"],
             rules={"zelk:People_Counting_Event": [["People_Counting_Event 01", {}]],
                    "zelk:Loitering_Event": [["Loitering_Event 01", {"LoiterTime": "60"}]]}),
        dict(name="Parking Lot", position=[-0.5, -0.2, 0.1],
             functions=["zelk:Abandoned_Object_Detection_Event", "zelk:Remove_Object_Event",
                        "zelk:Defocus_Detection_Event"],
             rules={"zelk:Abandoned_Object_Detection_Event": [["Abandoned_Object_Detection_Event 01", {}]],
                    "zelk:Remove_Object_Event": [["Remove_Object_Event 01", {}]],
                    "zelk:Defocus_Detection_Event": [["Defocus_Detection_Event 01", {}]]}),
    ],
    "selected": 0,
    # What a factory rule does when it fires: it reports to the centre and
    # records, so that every rule that can fire has something to do.
    "ruleTrigger": {"data": {"Notification": {"simp": {"UploadCenter": "TRUE"}},
                             "Recording": {"simp": {"RecordChannel1": "TRUE"}}}},
    "tours": {"NormalSceneTour": {"Tour0": {"AnalyticsConfigurationToken": "#1", "StayTime": "30"},
                                  "Tour1": {"AnalyticsConfigurationToken": "#2", "StayTime": "60"}}},
}

LIMITS = dict(maxScenes=16, maxRulesPerFunction=8, maxSceneNameBytes=64, maxTokenBytes=64,
              maxPeriodsPerDay=16, maxGeometryItems=4)

# ---------------------------------------------------------------- texts
ERRORS = {
    "Malformed request": "请求格式错误",
    "Request too large": "请求数据过大",
    "Unsupported command": "不支持的命令",
    "Missing request member": "请求缺少必要字段",
    "Request member has the wrong type": "请求字段类型错误",
    "Scene does not exist": "场景不存在",
    "Scene name can't be empty": "场景名称不能为空",
    "Scene name is too long": "场景名称过长",
    "Scene name includes an illegal character": "场景名称包含非法字符",
    "Scene name can't be repeat": "场景名称不能重复",
    "Maximum number of scenes reached": "场景数量已达上限",
    "The default scene can't be deleted": "默认场景不能删除",
    "Unknown analytics function": "未知的智能功能",
    "Analytics function is not enabled in this scene": "该场景未启用此智能功能",
    "Rule does not exist": "规则不存在",
    "Rule token already exists": "规则标识已存在",
    "Rule token is invalid": "规则标识无效",
    "Reach the max number of available rules": "规则数量已达上限",
    "Unknown module": "未知的模块",
    "Unknown parameter": "未知的参数",
    "Parameter value has the wrong type": "参数值类型错误",
    "Parameter value out of range": "参数值超出范围",
    "Parameter is read-only": "参数为只读",
    "Invalid geometry": "几何图形无效",
    "Unknown command type": "未知的操作类型",
    "Unknown normal alarm": "未知的普通报警",
    "Unknown non-scene function": "未知的非场景功能",
    "Unknown scene tour type": "未知的场景巡视类型",
    "Scene tour row does not exist": "巡视条目不存在",
    "There is an overlap between two periods.": "两个时间段之间存在重叠。",
    "The end time must be greater then start time": "结束时间必须大于开始时间",
    "Unknown linkage action": "未知的联动动作",
    "Invalid arming schedule": "布防时间无效",
    "PTZ is locked by another user": "云台已被其他用户锁定",
    "PTZ lock time out of range": "云台锁定时间超出范围",
    "PTZ position out of range": "云台位置超出范围",
    "Invalid smart status": "智能状态无效",
    "Invalid batch configuration": "批量配置无效",
    "Unknown batch configuration group": "未知的批量配置分组",
    "Batch configuration is not valid JSON": "批量配置不是有效的JSON",
    "Cannot store the configuration": "无法保存配置",
}

TEXTS = {
    # functions
    "zelk:Intrusion_Event": ("Intrusion", "区域入侵"),
    "zelk:Wire_Cross_Event": ("Wire Crossing", "越线检测"),
    "zelk:Loitering_Event": ("Loitering", "徘徊检测"),
    "zelk:Abandoned_Object_Detection_Event": ("Abandoned Object", "物品遗留"),
    "zelk:Remove_Object_Event": ("Removed Object", "物品移走"),
    "zelk:People_Counting_Event": ("People Counting", "人数统计"),
    "zelk:Face_Detection_Event": ("Face Detection", "人脸检测"),
    "zelk:Crowd_Action_Event": ("Crowd Gathering", "人群聚集"),
    "zelk:Fast_Moving_Event": ("Fast Moving", "快速移动"),
    "zelk:Abnormal_Sound_Event": ("Abnormal Sound", "声音异常"),
    "zelk:Defocus_Detection_Event": ("Defocus", "虚焦检测"),
    "zelk:Scene_High_Brightness_Error_Detection_Event": ("Too Bright", "画面过亮"),
    "zelk:Scene_Low_Brightness_Error_Detection_Event": ("Too Dark", "画面过暗"),
    "zelk:Image_Color_Reproduction_Error_Detection_Event": ("Color Cast", "偏色检测"),
    "zelk:Detail_Event": ("Blur", "画面模糊"),
    "zelk:Global_Motion_Event": ("Scene Change", "场景变更"),
    # modules
    "zelk:ScenePosition_Settings": ("Scene Position", "场景位置"),
    "zelk:Camera_Calibration": ("Camera Calibration", "相机标定"),
    "zelk:PTZ_Calibration_Settings": ("PTZ Limits", "云台限位"),
    "zelk:Shield_Region_Settings": ("Shield Region", "屏蔽区域"),
    "zelk:Target_Size_Filter": ("Target Size Filter", "目标尺寸过滤"),
    "zelk:Face_Quality_Settings": ("Face Quality", "人脸质量"),
    "zelk:Audio_Input_Settings": ("Audio Input", "音频输入"),
    # non-scene
    "zelk:Metadata_Settings": ("Metadata", "元数据"),
    "zelk:Counting_Report_Settings": ("Counting Report", "统计报表"),
    "zelk:Face_Capture_Settings": ("Face Capture", "人脸抓拍"),
    # normal alarms
    "zelk:Alarm_Input_Event": ("Alarm Input", "报警输入"),
    "zelk:Motion_Event": ("Motion Detection", "移动侦测"),
    "zelk:Video_Loss_Detection_Event": ("Video Loss", "视频丢失"),
    "zelk:Storage_Error_Event": ("Storage Error", "存储异常"),
    # tabs
    "zelk:GuardSchedules": ("Arming Interval", "布防时间"),
    "zelk:ActionTrigger": ("Linkage Method", "联动方式"),
    # parameters
    "Enable": ("Enable", "启用"), "DetectionRegion": ("Detection Region", "检测区域"),
    "Sensitivity": ("Sensitivity", "灵敏度"), "AlarmMode": ("Alarm Mode", "报警模式"),
    "TimeThreshold": ("Time Threshold (s)", "时间阈值(秒)"), "TargetType": ("Target Type", "目标类型"),
    "RuleName": ("Rule Name", "规则名称"), "Wire": ("Wire", "警戒线"), "Direction": ("Direction", "方向"),
    "LoiterTime": ("Loiter Time (s)", "徘徊时间(秒)"), "LeftTime": ("Left Time (s)", "遗留时间(秒)"),
    "RemovedTime": ("Removed Time (s)", "移走时间(秒)"), "CountingLine": ("Counting Line", "计数线"),
    "DirectionLine": ("Direction Line", "方向线"), "CountingDirection": ("Counting Direction", "计数方向"),
    "AlarmThreshold": ("Alarm Threshold", "报警阈值"), "ClearCounter": ("Clear Counter", "计数清零"),
    "FaceRegion": ("Face Region", "人脸区域"), "MinFaceSize": ("Min Face Size", "最小人脸"),
    "FaceExcludeRegion": ("Face Exclude Region", "人脸排除区域"), "CrowdDensity": ("Crowd Density", "人群密度"),
    "MinPeople": ("Min People", "最少人数"), "SpeedThreshold": ("Speed Threshold", "速度阈值"),
    "SoundThreshold": ("Sound Threshold (dB)", "声音阈值(分贝)"), "SoundType": ("Sound Type", "声音类型"),
    "FocusArea": ("Focus Area", "对焦区域"), "BrightnessThreshold": ("Brightness Threshold", "亮度阈值"),
    "Duration": ("Duration", "持续时间"), "ScenePosition": ("Scene Position", "场景位置"),
    "SceneDescription": ("Scene Description", "场景描述"), "CaliberLine": ("Calibration Line", "标定线"),
    "HorizonLine": ("Horizon Line", "地平线"), "TargetHeight": ("Target Height", "目标高度"),
    "CalibrationPoint": ("Calibration Point", "标定点"), "CalibrationMode": ("Calibration Mode", "标定模式"),
    "LimitNumber": ("Limit Number", "限位数量"), "LeftLimit": ("Left Limit", "左限位"),
    "RightLimit": ("Right Limit", "右限位"), "UpLimit": ("Up Limit", "上限位"), "DownLimit": ("Down Limit", "下限位"),
    "ZoomRatio": ("Zoom Ratio", "变倍倍率"), "ShieldEnable": ("Shield Enable", "启用屏蔽"),
    "ShieldRegion": ("Shield Region", "屏蔽区域"), "FilterEnable": ("Filter Enable", "启用过滤"),
    "MinTargetSize": ("Min Target Size", "最小目标"), "MaxTargetSize": ("Max Target Size", "最大目标"),
    "MinFaceQuality": ("Min Face Quality", "最低人脸质量"), "FaceCaptureMode": ("Capture Mode", "抓拍模式"),
    "AudioSource": ("Audio Source", "音频源"), "BaselineLevel": ("Baseline Level (dB)", "基准电平(分贝)"),
    "MetadataEnable": ("Metadata Enable", "启用元数据"), "ShowTargetBox": ("Show Target Box", "显示目标框"),
    "AlgorithmVersion": ("Algorithm Version", "算法版本"), "ReportInterval": ("Report Interval", "上报间隔"),
    "CounterResetTime": ("Counter Reset Time", "计数清零时间"), "UploadFacePicture": ("Upload Face Picture", "上传人脸图片"),
    "PictureQuality": ("Picture Quality", "图片质量"), "CaptureProfile": ("Capture Profile", "抓拍配置"),
    "InputType": ("Input Type", "输入类型"), "AlarmName": ("Alarm Name", "报警名称"),
    "MotionRegion": ("Motion Region", "侦测区域"), "HoldTime": ("Hold Time", "保持时间"),
    "StayTime": ("Stay Time", "停留时间"), "ClearFlag": ("Clear Interval", "清除间隔"),
    "AnalyticsConfigurationToken": ("Scene", "场景"), "StartTime": ("Start Time", "开始时间"),
    "EndTime": ("End Time", "结束时间"), "Enabled": ("Enabled", "启用"),
    "Mon": ("Monday", "星期一"), "Tue": ("Tuesday", "星期二"), "Wed": ("Wednesday", "星期三"),
    "Thu": ("Thursday", "星期四"), "Fri": ("Friday", "星期五"), "Sat": ("Saturday", "星期六"), "Sun": ("Sunday", "星期日"),
    "Margin": ("Margin", "边距"), "zelk:Length": ("Length", "长度"), "clicked": ("Clicked", "已点击"),
    # list values
    "Human": ("Human", "人"), "Vehicle": ("Vehicle", "车辆"), "AllTargets": ("All Targets", "所有目标"),
    "Immediate": ("Immediate", "立即报警"), "Delayed": ("Delayed", "延时报警"),
    "AtoB": ("A to B", "A到B"), "BtoA": ("B to A", "B到A"), "BothWays": ("Both Ways", "双向"),
    "In": ("In", "进入"), "Out": ("Out", "离开"), "InAndOut": ("In and Out", "进入和离开"),
    "BestShot": ("Best Shot", "最佳抓拍"), "FastShot": ("Fast Shot", "快速抓拍"), "EveryFrame": ("Every Frame", "逐帧抓拍"),
    "LineIn": ("Line In", "线路输入"), "Microphone": ("Microphone", "麦克风"),
    "SuddenRise": ("Sudden Rise", "声强陡升"), "SuddenDrop": ("Sudden Drop", "声强陡降"), "AnyChange": ("Any Change", "任意变化"),
    "Auto": ("Auto", "自动"), "Manual": ("Manual", "手动"),
    "Minutes5": ("5 Minutes", "5分钟"), "Minutes15": ("15 Minutes", "15分钟"), "Minutes60": ("60 Minutes", "60分钟"),
    "NormallyOpen": ("Normally Open", "常开"), "NormallyClosed": ("Normally Closed", "常闭"),
    "true": ("On", "开"), "false": ("Off", "关"),
    # linkage
    "AlarmOutput": ("Alarm Output", "报警输出"), "AlarmOut1": ("Alarm Out 1", "报警输出1"),
    "AlarmOut2": ("Alarm Out 2", "报警输出2"), "Recording": ("Recording", "录像"),
    "RecordChannel1": ("Record Channel 1", "录像通道1"), "Notification": ("Notification", "通知"),
    "UploadCenter": ("Upload to Center", "上传中心"), "SendEmail": ("Send Email", "发送邮件"),
    "Buzzer": ("Buzzer", "蜂鸣器"), "Capture": ("Capture", "抓图"), "Snapshot": ("Snapshot", "抓拍图片"),
    # metadata menu
    "zelk:ShowTargetBox": ("Target Boxes", "目标框"), "zelk:ShowTrack": ("Tracks", "轨迹"),
    "zelk:ShowRuleGeometry": ("Rule Geometry", "规则图形"), "zelk:ShowObjectClass": ("Object Class", "目标类别"),
}
for key, zh in ERRORS.items():
    TEXTS[key] = (key, zh)

# ---------------------------------------------------------------- writers
def profile_param(p):
    out = {k: v for k, v in p.items() if k not in ("ui",)}
    return out

def write_ui():
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<korvane_ui>"]
    def params(plist, indent):
        out = [indent + "<Parameters>"]
        for p in plist:
            out.append(indent + "  <Param Name=%s uiType=%s/>" % (quoteattr(p["name"]), quoteattr(p["ui"])))
        out.append(indent + "</Parameters>")
        return out
    def links(llist, indent):
        if not llist:
            return []
        out = [indent + "<RequireUILink>"]
        for name, link_name, link_value in llist:
            out.append(indent + "  <Link Name=%s LinkName=%s LinkValue=%s/>" %
                       (quoteattr(name), quoteattr(link_name), quoteattr(link_value)))
        out.append(indent + "</RequireUILink>")
        return out
    def texts(tag, items, indent):
        if not items:
            return []
        return [indent + "<%s>" % tag] + [indent + "  <Item>%s</Item>" % escape(i) for i in items] + \
               [indent + "</%s>" % tag]
    lines.append("  <Modules>")
    for name, m in MODULES.items():
        lines.append("    <Module Name=%s>" % quoteattr(name))
        lines.append("      <ModuleType>%s</ModuleType>" % m["type"])
        lines += params(m["params"], "      ") + links(m.get("links"), "      ")
        lines.append("    </Module>")
    lines.append("  </Modules>")
    lines.append("  <Rules>")
    for name, r in RULES.items():
        lines.append("    <Rule Name=%s>" % quoteattr(name))
        lines += params(r["params"], "      ")
        lines += texts("Requires", r.get("requires"), "      ")
        lines += texts("RequireFuns", r.get("funs"), "      ")
        lines += texts("RequireNonScene", r.get("nonscene"), "      ")
        lines += links(r.get("links"), "      ")
        lines.append("    </Rule>")
    lines.append("  </Rules>")
    lines.append("  <NormalAlarms>")
    for name, a in NORMAL_ALARMS.items():
        lines.append("    <NormalAlarm Name=%s>" % quoteattr(name))
        lines += params(a["params"], "      ") + texts("RequireFuns", a.get("funs"), "      ")
        lines += links(a.get("links"), "      ")
        lines.append("    </NormalAlarm>")
    lines.append("  </NormalAlarms>")
    lines.append("  <NonScenes>")
    for name, n in NONSCENES.items():
        lines.append("    <NonScene Name=%s>" % quoteattr(name))
        lines += params(n["params"], "      ") + links(n.get("links"), "      ")
        lines.append("    </NonScene>")
    lines.append("  </NonScenes>")
    lines.append("  <MeteDataMenu>")
    lines += texts("Parameters", METADATA_MENU, "    ")
    lines.append("  </MeteDataMenu>")
    lines += ["  <Capbility>", "    <MultiScene>", "      <TourScene>ON</TourScene>",
              "      <AddScene>ON</AddScene>", "    </MultiScene>", "    <AddScene>On</AddScene>"]
    # The functions one scene cannot run together, so that the control can
    # refuse such a scene before the device does.
    lines.append("    <FunctionConflicts>")
    for first, second in CONFLICTS:
        lines += ["      <Conflict>", "        <Item>%s</Item>" % escape(first),
                  "        <Item>%s</Item>" % escape(second), "      </Conflict>"]
    lines += ["    </FunctionConflicts>", "  </Capbility>", "</korvane_ui>", ""]
    return "\n".join(lines)

def write_lang():
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<korvane_local>"]
    for lang, index in (("english", 0), ("chinese", 1)):
        lines.append('  <localized-strings lang-iso3="%s">' % lang)
        for key in sorted(TEXTS):
            lines.append("    <String Name=%s Value=%s/>" % (quoteattr(key), quoteattr(TEXTS[key][index])))
        lines.append("  </localized-strings>")
    lines += ["</korvane_local>", ""]
    return "\n".join(lines)

def write_profile():
    def plist(ps):
        return [profile_param(p) for p in ps]
    profile = {
        "limits": LIMITS,
        "conflicts": CONFLICTS,
        "functions": {n: {"params": plist(r["params"]), "requires": r.get("requires", []),
                          "requireFuns": r.get("funs", [])} for n, r in RULES.items()},
        "modules": {n: {"type": m["type"], "params": plist(m["params"])} for n, m in MODULES.items()},
        "nonScenes": {n: {"params": plist(x["params"])} for n, x in NONSCENES.items()},
        "normalAlarms": {n: {"tokens": a["tokens"], "params": plist(a["params"]),
                             "requireFuns": a.get("funs", [])} for n, a in NORMAL_ALARMS.items()},
        "actionGroups": ACTION_GROUPS,
        "tours": {n: {"rows": t["rows"], "plain": plist(t["plain"]), "entry": plist(t["entry"])}
                  for n, t in TOURS.items()},
        "errors": sorted(ERRORS),
        "factory": FACTORY,
    }
    return json.dumps(profile, indent=1, ensure_ascii=False, sort_keys=True) + "\n"

def check():
    used = {p["ui"] for group in (MODULES, RULES, NONSCENES, NORMAL_ALARMS) for x in group.values()
            for p in x["params"]}
    every = {"UI_NULL", "UI_Static_And_Static", "UI_Static_And_ComboBoxUnEdit", "UI_Static_And_ComboBox",
             "UI_XpBtn", "UI_Static_And_Edit", "UI_Static_And_PushBtn", "UI_Static_And_RectBmpBtn",
             "UI_Static_And_PenBmpBtn_RectBmpBtn", "UI_Static_And_Edit_Spin_LineBmpBtn", "UI_Static_And_Edit_Spin",
             "UI_Static_And_Edit_Spin_Slider", "UI_Static_And_PointBmpBtn", "UI_WIRE", "UI_PTZ_NUMBER",
             "UI_PTZ_LIMIT", "UI_LINE", "UI_Static_And_Edit_Spin_Length", "UI_Static_And_Face_RectBmpBtn",
             "UI_Static_And_Face_PenBmpBtn_RectBmpBtn", "UI_Static_And_RectBmpBtn_PageShow",
             "UI_Static_And_RectBmpBtn_VideoShow", "UI_Static_And_PenBmpBtn_AllShow",
             "UI_Static_And_Face_PenBmpBtn_DeleteBmpBtn_AllShow", "UI_WIRE_AllShow_AllSolid",
             "UI_WIRE_AllShow_OneSolid", "UI_Static_And_Edit_Spin_time"}
    missing = every - used
    assert not missing, missing
    assert not (used - every), used - every

if __name__ == "__main__":
    check()
    for name, text in (("korvane_ui.xml", write_ui()), ("korvane_lang.xml", write_lang()),
                       ("korvane_profile.json", write_profile())):
        with open(os.path.join(HERE, name), "w", encoding="utf-8") as f:
            f.write(text)
